#include "quoted_input.h"

#include "text_encoding.h"

namespace quillmere_host {

std::string QuotedInput(std::string_view text)
{
	return "\"" + ToUtf8(ForTerminal(FromUtf8(text))) + "\"";
}

} // namespace quillmere_host
