// What the user typed, quoted in a message about it.
#ifndef QUILLMERE_HOST_QUOTED_INPUT_H
#define QUILLMERE_HOST_QUOTED_INPUT_H

#include <string>
#include <string_view>

namespace quillmere_host {

// "TEXT" with control characters escaped as the reports escape them: an
// arrow key typed at a line prompt arrives as ESC [ A, and echoed raw it
// would move the cursor and garble the message.
std::string QuotedInput(std::string_view text);

} // namespace quillmere_host

#endif
