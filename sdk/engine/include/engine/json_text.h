// How a text becomes a JSON string: one rule for the journal of calls and
// for every JSON the emulated host program writes.
#ifndef HOST_ENGINE_JSON_TEXT_H
#define HOST_ENGINE_JSON_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace host_engine {

// What a JSON string escapes. JSON itself requires the quote, the backslash
// and the controls below U+0020, written \" \\ \b \f \n \r \t or \u00XX.
enum class JsonEscapes {
	// Those only: every other character as UTF-8.
	Required,
	// Those and the terminal controls (IsTerminalControl), as \uXXXX: JSON a
	// terminal may be shown as it is, as --trace shows the journal's.
	ForTerminal,
};

// A character a terminal must not be sent raw: the C0 and C1 controls and
// DEL, which can move the cursor, retitle the window or send a command, and
// the bidirectional controls (U+061C, U+200E, U+200F, U+202A to U+202E,
// U+2066 to U+2069), which make a line read in an order it is not written in.
bool IsTerminalControl(char32_t code);

// UTF-8 text as a JSON string, quotes included, with what JSON requires
// escaped; bytes from 0x80 up are copied as they are.
void AppendJsonString(std::string& out, std::string_view utf8);
// How many bytes at the start of `utf8` that string copies as they are:
// all of them, for nearly every name.
size_t JsonPlainLength(std::string_view utf8);

// Wide text as a JSON string in UTF-8, quotes included. Where wide text is
// UTF-16, a surrogate pair is its one character; a lone surrogate, or a
// code past U+10FFFF, is U+FFFD.
void AppendJsonString(std::string& out, std::wstring_view text, JsonEscapes escapes);

} // namespace host_engine

#endif
