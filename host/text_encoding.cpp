#include "text_encoding.h"

namespace quillmere_host {

namespace {

const char32_t kReplacement = 0xFFFD;

void AppendWide(std::wstring& out, char32_t code)
{
	if (sizeof(wchar_t) == 2 && code > 0xFFFF) {
		code -= 0x10000;
		out += static_cast<wchar_t>(0xD800 + (code >> 10));
		out += static_cast<wchar_t>(0xDC00 + (code & 0x3FF));
	} else {
		out += static_cast<wchar_t>(code);
	}
}

void AppendUtf8(std::string& out, char32_t code)
{
	if (code < 0x80) {
		out += static_cast<char>(code);
	} else if (code < 0x800) {
		out += static_cast<char>(0xC0 | (code >> 6));
		out += static_cast<char>(0x80 | (code & 0x3F));
	} else if (code < 0x10000) {
		out += static_cast<char>(0xE0 | (code >> 12));
		out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
		out += static_cast<char>(0x80 | (code & 0x3F));
	} else {
		out += static_cast<char>(0xF0 | (code >> 18));
		out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
		out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
		out += static_cast<char>(0x80 | (code & 0x3F));
	}
}

} // namespace

std::wstring FromUtf8(std::string_view text)
{
	std::wstring out;
	FromUtf8(text, out);
	return out;
}

void FromUtf8(std::string_view text, std::wstring& out)
{
	out.clear();
	out.reserve(text.size());
	size_t i = 0;
	// Names are nearly always ASCII: widened a byte at a time until they are not.
	while (i < text.size() && static_cast<unsigned char>(text[i]) < 0x80) {
		out += static_cast<wchar_t>(text[i]);
		++i;
	}
	while (i < text.size()) {
		unsigned char lead = static_cast<unsigned char>(text[i]);
		int extra = lead < 0x80 ? 0 : (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : -1;
		if (extra < 0 || i + static_cast<size_t>(extra) >= text.size()) {
			AppendWide(out, kReplacement);
			++i;
			continue;
		}
		char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
		bool valid = true;
		for (int k = 1; k <= extra; ++k) {
			unsigned char next = static_cast<unsigned char>(text[i + static_cast<size_t>(k)]);
			valid = valid && (next & 0xC0) == 0x80;
			code = (code << 6) | (next & 0x3F);
		}
		AppendWide(out, valid ? code : kReplacement);
		i += valid ? static_cast<size_t>(extra) + 1 : 1;
	}
}

std::string ToUtf8(const std::wstring& text)
{
	std::string out;
	for (size_t i = 0; i < text.size(); ++i) {
		char32_t code = static_cast<char32_t>(text[i]);
		if (sizeof(wchar_t) == 2 && code >= 0xD800 && code < 0xDC00 && i + 1 < text.size()) {
			char32_t low = static_cast<char32_t>(text[i + 1]);
			if (low >= 0xDC00 && low < 0xE000) {
				code = 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
				++i;
			}
		}
		if (code > 0x10FFFF || (code >= 0xD800 && code < 0xE000)) {
			code = kReplacement;
		}
		AppendUtf8(out, code);
	}
	return out;
}

} // namespace quillmere_host
