// Wide text read as code points and written as UTF-8: the journal, the JSON
// text and the emulated host all turn wide text into bytes this one way.
#ifndef HOST_ENGINE_UTF8_H
#define HOST_ENGINE_UTF8_H

#include <string>
#include <string_view>

namespace host_engine {

inline void AppendUtf8(std::string& out, char32_t code)
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

// The code point of `text` at `*i`, moving `*i` past it: a UTF-16 pair reads
// as one; a lone surrogate, or a value past U+10FFFF, reads as U+FFFD.
inline char32_t NextCodePoint(std::wstring_view text, size_t* i)
{
	char32_t code = static_cast<char32_t>(text[(*i)++]);
	if (sizeof(wchar_t) == 2 && code >= 0xD800 && code < 0xDC00 && *i < text.size()) {
		char32_t low = static_cast<char32_t>(text[*i]);
		if (low >= 0xDC00 && low < 0xE000) {
			++*i;
			return 0x10000 + ((code - 0xD800) << 10) + (low - 0xDC00);
		}
	}
	return code > 0x10FFFF || (code >= 0xD800 && code < 0xE000) ? 0xFFFD : code;
}

inline void AppendUtf8(std::string& out, std::wstring_view text)
{
	for (size_t i = 0; i < text.size();) {
		AppendUtf8(out, NextCodePoint(text, &i));
	}
}

} // namespace host_engine

#endif
