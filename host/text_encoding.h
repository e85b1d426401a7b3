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

} // namespace quillmere_host

#endif
