// Text written out as it is made, through a buffer, so that a report or a
// scene of any size never sits whole in memory.
#ifndef QUILLMERE_HOST_OUTPUT_BUFFER_H
#define QUILLMERE_HOST_OUTPUT_BUFFER_H

#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere_host {

class OutputBuffer
{
public:
	// Receives the buffered bytes; throws to stop the writing.
	using Sink = std::function<void(const char* data, size_t size)>;

	explicit OutputBuffer(Sink sink);
	OutputBuffer(const OutputBuffer&) = delete;
	OutputBuffer& operator=(const OutputBuffer&) = delete;

	void Append(std::string_view text)
	{
		if (text.size() > m_buffer.size() - m_used) {
			AppendSlow(text);
			return;
		}
		std::memcpy(m_buffer.data() + m_used, text.data(), text.size());
		m_used += text.size();
	}
	void Append(char c)
	{
		if (m_used == m_buffer.size()) {
			Flush();
		}
		m_buffer[m_used++] = c;
	}
	void AppendNumber(long long number);
	// Passes everything buffered to the sink.
	void Flush();

	// A sink that collects the text in memory.
	static Sink Into(std::string& text);

private:
	void AppendSlow(std::string_view text);

	Sink m_sink;
	std::vector<char> m_buffer;
	size_t m_used = 0;
};

// Text as a JSON string, quotes included, escaped as JSON requires
// (host_engine::AppendJsonString); other text as UTF-8.
void AppendJsonString(OutputBuffer& out, std::string_view utf8);
void AppendJsonString(OutputBuffer& out, std::wstring_view text);

// Wide host text as UTF-8.
void AppendUtf8(OutputBuffer& out, std::wstring_view text);
// The same, made safe for a terminal first (ForTerminal).
void AppendForTerminal(OutputBuffer& out, std::wstring_view text);

} // namespace quillmere_host

#endif
