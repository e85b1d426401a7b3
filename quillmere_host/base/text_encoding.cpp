// UTF-8 read and written, and text escaped for a terminal or a message.
#include "base/text_encoding.h"

#include "engine/json_text.h"
#include "engine/utf8.h"

namespace quillmere_host {

using host_engine::IsTerminalControl;

namespace {

const char32_t kReplacement = 0xFFFD;
const char kHex[] = "0123456789abcdef";

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

// "\u202e": every terminal control is in the basic plane.
template <typename String> void AppendUnicodeEscape(String& out, char32_t code)
{
	using Char = typename String::value_type;
	out += static_cast<Char>('\\');
	out += static_cast<Char>('u');
	for (int shift = 12; shift >= 0; shift -= 4) {
		out += static_cast<Char>(kHex[(code >> shift) & 0xf]);
	}
}

// Past the basic plane, as JSON escapes one: its two surrogates.
void AppendAnyUnicodeEscape(std::string& out, char32_t code)
{
	if (code <= 0xFFFF) {
		AppendUnicodeEscape(out, code);
		return;
	}
	code -= 0x10000;
	AppendUnicodeEscape(out, 0xD800 + (code >> 10));
	AppendUnicodeEscape(out, 0xDC00 + (code & 0x3FF));
}

struct CodeRange {
	char32_t first;
	char32_t last;
};

// Unicode's format characters and default-ignorable code points, and the
// line and paragraph separators: each shows as nothing, or ends a line.
const CodeRange kInvisible[] = {
    {0x00AD, 0x00AD},   {0x034F, 0x034F},   {0x0600, 0x0605},   {0x061C, 0x061C},   {0x06DD, 0x06DD},
    {0x070F, 0x070F},   {0x0890, 0x0891},   {0x08E2, 0x08E2},   {0x115F, 0x1160},   {0x17B4, 0x17B5},
    {0x180B, 0x180F},   {0x200B, 0x200F},   {0x2028, 0x202E},   {0x2060, 0x206F},   {0x3164, 0x3164},
    {0xFE00, 0xFE0F},   {0xFEFF, 0xFEFF},   {0xFFA0, 0xFFA0},   {0xFFF0, 0xFFFB},   {0x110BD, 0x110BD},
    {0x110CD, 0x110CD}, {0x13430, 0x1343F}, {0x1BCA0, 0x1BCA3}, {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF},
};

} // namespace

size_t DecodeUtf8(std::string_view text, size_t at, char32_t* code)
{
	unsigned char lead = static_cast<unsigned char>(text[at]);
	if (lead < 0x80) {
		*code = lead;
		return 1;
	}
	size_t extra = (lead >> 5) == 0x6 ? 1 : (lead >> 4) == 0xE ? 2 : (lead >> 3) == 0x1E ? 3 : 0;
	*code = kNotUtf8;
	if (extra == 0 || at + extra >= text.size()) {
		return 1;
	}
	char32_t decoded = lead & (0x3F >> extra);
	for (size_t k = 1; k <= extra; ++k) {
		unsigned char next = static_cast<unsigned char>(text[at + k]);
		if ((next & 0xC0) != 0x80) {
			return 1;
		}
		decoded = (decoded << 6) | (next & 0x3F);
	}
	// Overlong forms, surrogates and code points past the last are not UTF-8.
	static const char32_t kSmallest[] = {0, 0x80, 0x800, 0x10000};
	if (decoded < kSmallest[extra] || decoded > 0x10FFFF || (decoded >= 0xD800 && decoded < 0xE000)) {
		return 1;
	}
	*code = decoded;
	return extra + 1;
}

bool IsInvisible(char32_t code)
{
	for (const CodeRange& range : kInvisible) {
		if (code >= range.first && code <= range.last) {
			return true;
		}
	}
	return false;
}

std::string AsciiLowered(std::string text)
{
	for (char& c : text) {
		if (c >= 'A' && c <= 'Z') {
			c = static_cast<char>(c - 'A' + 'a');
		}
	}
	return text;
}

void AppendForMessage(std::string& out, std::string_view text, size_t at, size_t length, char32_t code)
{
	unsigned char byte = static_cast<unsigned char>(text[at]);
	switch (code) {
	case '\n': out += "\\n"; return;
	case '\t': out += "\\t"; return;
	case '\r': out += "\\r"; return;
	default: break;
	}
	if (code == kNotUtf8 || byte < 0x20 || byte == 0x7f) {
		out += "\\x";
		out += kHex[byte >> 4];
		out += kHex[byte & 0xf];
	} else if (IsTerminalControl(code) || IsInvisible(code)) {
		AppendAnyUnicodeEscape(out, code);
	} else {
		out.append(text.substr(at, length));
	}
}

std::string OneLine(const std::string& message)
{
	std::string out;
	out.reserve(message.size());
	for (size_t i = 0; i < message.size();) {
		char32_t code = 0;
		size_t length = DecodeUtf8(message, i, &code);
		AppendForMessage(out, message, i, length, code);
		i += length;
	}
	return out;
}

bool NeedsTerminalEscape(std::wstring_view text)
{
	for (wchar_t c : text) {
		if (IsTerminalControl(static_cast<char32_t>(c)) || c == L'\\') {
			return true;
		}
	}
	return false;
}

std::wstring ForTerminal(std::wstring_view text)
{
	std::wstring out;
	for (wchar_t c : text) {
		switch (c) {
		case L'\\': out += L"\\\\"; continue;
		case L'\n': out += L"\\n"; continue;
		case L'\t': out += L"\\t"; continue;
		case L'\r': out += L"\\r"; continue;
		case L'\b': out += L"\\b"; continue;
		case L'\f': out += L"\\f"; continue;
		default: break;
		}
		if (IsTerminalControl(static_cast<char32_t>(c))) {
			AppendUnicodeEscape(out, static_cast<char32_t>(c));
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
		char32_t code = 0;
		size_t length = DecodeUtf8(text, i, &code);
		AppendWide(out, code == kNotUtf8 ? kReplacement : code);
		i += length;
	}
}

std::string ToUtf8(std::wstring_view text)
{
	std::string out;
	out.reserve(text.size());
	host_engine::AppendUtf8(out, text);
	return out;
}

} // namespace quillmere_host
