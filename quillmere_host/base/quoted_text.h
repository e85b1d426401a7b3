// Text from outside (a name, a key, a path, a --page step) as a message
// shows it: on one line, in order, and short, however long it was.
#ifndef QUILLMERE_HOST_QUOTED_TEXT_H
#define QUILLMERE_HOST_QUOTED_TEXT_H

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmere_host {

// The most characters a message shows of one text, escapes included.
const size_t kShownCharacters = 200;

// `text` (UTF-8) as a message shows it: controls, bidirectional controls
// and bytes that are not UTF-8 escaped (\n, \u202e, \xff); past
// kShownCharacters, its beginning and end around an ellipsis, followed by
// its whole length: kkkk…kkkk (209715200 characters).
std::string Excerpt(std::string_view text);

// The same in double quotes: "kkkk…kkkk" (209715200 characters).
std::string Quoted(std::string_view text);

} // namespace quillmere_host

#endif
