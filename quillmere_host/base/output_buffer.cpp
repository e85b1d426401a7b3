// The output buffer, and text written into it as JSON strings or UTF-8.
#include "base/output_buffer.h"

#include "base/text_encoding.h"

#include "engine/json_text.h"

#include <cstdio>

namespace quillmere_host {

namespace {

const size_t kBufferBytes = 1 << 16;

} // namespace

OutputBuffer::OutputBuffer(Sink sink) : m_sink(std::move(sink)), m_buffer(kBufferBytes) {}

void OutputBuffer::AppendSlow(std::string_view text)
{
	Flush();
	if (text.size() >= m_buffer.size()) {
		m_sink(text.data(), text.size());
		return;
	}
	std::memcpy(m_buffer.data(), text.data(), text.size());
	m_used = text.size();
}

void OutputBuffer::AppendNumber(long long number)
{
	char digits[24];
	int length = std::snprintf(digits, sizeof(digits), "%lld", number);
	Append(std::string_view(digits, static_cast<size_t>(length)));
}

void OutputBuffer::Flush()
{
	if (m_used > 0) {
		size_t used = m_used;
		m_used = 0;
		m_sink(m_buffer.data(), used);
	}
}

OutputBuffer::Sink OutputBuffer::Into(std::string& text)
{
	return [&text](const char* data, size_t size) { text.append(data, size); };
}

void AppendJsonString(OutputBuffer& out, std::string_view utf8)
{
	// Names rarely hold anything to escape: those go to the buffer as they
	// are, the rest are escaped on the side first.
	if (host_engine::JsonPlainLength(utf8) == utf8.size()) {
		out.Append('"');
		out.Append(utf8);
		out.Append('"');
		return;
	}
	std::string quoted;
	host_engine::AppendJsonString(quoted, utf8);
	out.Append(quoted);
}

namespace {

// Names are nearly always short ASCII: narrowed on the stack, no allocation.
template <typename Use> void WithUtf8(std::wstring_view text, Use use)
{
	char narrow[128];
	if (text.size() <= sizeof(narrow)) {
		unsigned long high = 0;
		for (size_t i = 0; i < text.size(); ++i) {
			high |= static_cast<unsigned long>(text[i]);
			narrow[i] = static_cast<char>(text[i]);
		}
		if (high < 0x80) {
			use(std::string_view(narrow, text.size()));
			return;
		}
	}
	std::string utf8 = ToUtf8(text);
	use(std::string_view(utf8));
}

} // namespace

void AppendJsonString(OutputBuffer& out, std::wstring_view text)
{
	WithUtf8(text, [&out](std::string_view utf8) { AppendJsonString(out, utf8); });
}

void AppendUtf8(OutputBuffer& out, std::wstring_view text)
{
	WithUtf8(text, [&out](std::string_view utf8) { out.Append(utf8); });
}

void AppendForTerminal(OutputBuffer& out, std::wstring_view text)
{
	if (NeedsTerminalEscape(text)) {
		AppendUtf8(out, ForTerminal(text));
	} else {
		AppendUtf8(out, text);
	}
}

} // namespace quillmere_host
