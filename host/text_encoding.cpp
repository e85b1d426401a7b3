#include "text_encoding.h"

#include "engine/utf8.h"

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

bool IsControl(char32_t code)
{
	return code < 0x20 || (code >= 0x7F && code < 0xA0);
}

} // namespace

std::string AsciiLowered(std::string text)
{
	for (char& c : text) {
		if (c >= 'A' && c <= 'Z') {
			c = static_cast<char>(c - 'A' + 'a');
		}
	}
	return text;
}

std::string OneLine(const std::string& message)
{
	static const char kHex[] = "0123456789abcdef";
	std::string out;
	for (char c : message) {
		unsigned char byte = static_cast<unsigned char>(c);
		if (c == '\n') {
			out += "\\n";
		} else if (c == '\t') {
			out += "\\t";
		} else if (byte < 0x20 || byte == 0x7f) {
			out += "\\x";
			out += kHex[byte >> 4];
			out += kHex[byte & 0xf];
		} else {
			out += c;
		}
	}
	return out;
}

bool NeedsTerminalEscape(std::wstring_view text)
{
	for (wchar_t c : text) {
		if (IsControl(static_cast<char32_t>(c)) || c == L'\\') {
			return true;
		}
	}
	return false;
}

std::wstring ForTerminal(std::wstring_view text)
{
	static const wchar_t kHex[] = L"0123456789abcdef";
	std::wstring out;
	for (wchar_t c : text) {
		char32_t code = static_cast<char32_t>(c);
		switch (c) {
		case L'\\': out += L"\\\\"; continue;
		case L'\n': out += L"\\n"; continue;
		case L'\t': out += L"\\t"; continue;
		case L'\r': out += L"\\r"; continue;
		case L'\b': out += L"\\b"; continue;
		case L'\f': out += L"\\f"; continue;
		default: break;
		}
		if (IsControl(code)) {
			out += L"\\u00";
			out += kHex[(code >> 4) & 0xf];
			out += kHex[code & 0xf];
		} else {
			out += c;
		}
	}
	return out;
}

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
		host_engine::AppendUtf8(out, code);
	}
	return out;
}

} // namespace quillmere_host
