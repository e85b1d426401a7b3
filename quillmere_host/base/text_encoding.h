// UTF-8 text in files and on the terminal; wide text in the host.
#ifndef QUILLMERE_HOST_TEXT_ENCODING_H
#define QUILLMERE_HOST_TEXT_ENCODING_H

#include <string>
#include <string_view>

namespace quillmere_host {

// Assumes valid UTF-8 (the JSON reader has checked it); bad bytes become U+FFFD.
std::wstring FromUtf8(std::string_view text);
// The same into `out`, replacing what it held: no allocation once it is large enough.
void FromUtf8(std::string_view text, std::wstring& out);
std::string ToUtf8(std::wstring_view text);

// One UTF-8 sequence at `text[at]`: its code point and length in bytes. A
// byte that starts no valid sequence is one byte long, with the code kNotUtf8.
const char32_t kNotUtf8 = 0xFFFFFFFF;
size_t DecodeUtf8(std::string_view text, size_t at, char32_t* code);

// A character that shows as nothing, or as a line end, though it is text:
// the format characters (the byte order mark U+FEFF, the zero-width space,
// joiners, the soft hyphen, the word joiner, the interlinear annotation
// marks, the tags), the other characters Unicode says to leave unshown
// (variation selectors, the Hangul fillers, ...) and the line and paragraph
// separators U+2028 and U+2029. Quoted raw, "\ufeffok" reads as "ok".
bool IsInvisible(char32_t code);

// ASCII letters in lower case, other bytes as they are: the page's answers
// and buttons are taken in any case.
std::string AsciiLowered(std::string text);

// How a message writes the character at `text[at]` (DecodeUtf8 gave its
// `length` and `code`): a terminal control, an invisible character or a
// byte that is not UTF-8 as an escape (\n, \t, \r, \x1b, \u202e, \ufeff,
// \udb40\udc01 for one past the basic plane, as JSON writes it, \xff),
// anything else as it is.
void AppendForMessage(std::string& out, std::string_view text, size_t at, size_t length, char32_t code);

// A message on one line and in order, whatever text it quotes: each
// character as AppendForMessage writes it.
std::string OneLine(const std::string& message);

// Text as a terminal may show it: terminal controls
// (host_engine::IsTerminalControl) and backslashes written as JSON escapes
// them (\n, \t, \u001b, \u202e, \\), so that a name can't break a line,
// reorder it or send the terminal a code.
std::wstring ForTerminal(std::wstring_view text);
// True when ForTerminal would change `text`.
bool NeedsTerminalEscape(std::wstring_view text);

} // namespace quillmere_host

#endif
