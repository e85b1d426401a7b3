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
std::string ToUtf8(const std::wstring& text);

// ASCII letters in lower case, other bytes as they are: the page's answers
// and buttons are taken in any case.
std::string AsciiLowered(std::string text);

// A message on one line, whatever text it quotes: control characters in a
// name or a path (a newline, say) are written as escapes.
std::string OneLine(const std::string& message);

// Text as a terminal may show it: control characters (C0, DEL and C1) and
// backslashes written as the JSON report writes them (\n, \t, \u001b,
// \\), so that a name can't break a line or send the terminal a code.
std::wstring ForTerminal(std::wstring_view text);
// True when ForTerminal would change `text`.
bool NeedsTerminalEscape(std::wstring_view text);

} // namespace quillmere_host

#endif
