// Which characters a JSON string escapes, and how each is written.
#include "engine/json_text.h"

#include "engine/utf8.h"

namespace host_engine {

namespace {

bool IsEscaped(char32_t code, JsonEscapes escapes)
{
	return code < 0x20 || code == '"' || code == '\\' ||
	       (escapes == JsonEscapes::ForTerminal && IsTerminalControl(code));
}

void AppendCharacter(std::string& out, char32_t code, JsonEscapes escapes)
{
	static const char kHex[] = "0123456789abcdef";
	switch (code) {
	case '"': out += "\\\""; return;
	case '\\': out += "\\\\"; return;
	case '\b': out += "\\b"; return;
	case '\f': out += "\\f"; return;
	case '\n': out += "\\n"; return;
	case '\r': out += "\\r"; return;
	case '\t': out += "\\t"; return;
	default: break;
	}
	if (IsEscaped(code, escapes)) {
		// Every character escaped so is in the basic plane: four digits.
		out += "\\u";
		for (int shift = 12; shift >= 0; shift -= 4) {
			out += kHex[(code >> shift) & 0xf];
		}
	} else {
		AppendUtf8(out, code);
	}
}

} // namespace

bool IsTerminalControl(char32_t code)
{
	return code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x061C || code == 0x200E || code == 0x200F ||
	       (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

size_t JsonPlainLength(std::string_view utf8)
{
	// What JSON requires escaped is all ASCII, so no byte of a longer UTF-8
	// sequence is.
	size_t length = 0;
	while (length < utf8.size() && !IsEscaped(static_cast<unsigned char>(utf8[length]), JsonEscapes::Required)) {
		++length;
	}
	return length;
}

void AppendJsonString(std::string& out, std::string_view utf8)
{
	out += '"';
	size_t plain = 0;
	for (size_t i = JsonPlainLength(utf8); i < utf8.size(); ++i) {
		unsigned char byte = static_cast<unsigned char>(utf8[i]);
		if (IsEscaped(byte, JsonEscapes::Required)) {
			out.append(utf8.substr(plain, i - plain));
			AppendCharacter(out, byte, JsonEscapes::Required);
			plain = i + 1;
		}
	}
	out.append(utf8.substr(plain));
	out += '"';
}

void AppendJsonString(std::string& out, std::wstring_view text, JsonEscapes escapes)
{
	out += '"';
	for (size_t i = 0; i < text.size();) {
		AppendCharacter(out, NextCodePoint(text, &i), escapes);
	}
	out += '"';
}

} // namespace host_engine
