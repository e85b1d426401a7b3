// The user's answers on the option page, given on the command line.
#ifndef QUILLMERE_HOST_PAGE_STEPS_H
#define QUILLMERE_HOST_PAGE_STEPS_H

#include "engine/page_drivers.h"

#include <string>
#include <vector>

namespace quillmere_host {

struct PageStep {
	enum Kind { Click, Set, Ok, Cancel };
	Kind kind = Ok;
	std::wstring name; // a button's script name, or a parameter's
	bool value = false;
	std::string text;  // the step as written, for messages
	size_t column = 1; // where it starts in the --page text
};

// Whitespace-separated steps: a button's script name (a click), NAME=on or
// NAME=off, and last OK or Cancel. Throws InputError for anything else.
std::vector<PageStep> ParsePageSteps(const std::string& text);

// The page driver that takes the steps, in order.
void Script(const std::vector<PageStep>& steps, host_engine::ScriptedPageDriver& driver);

// The one-line error for a step the page refused: where it is in the --page
// text, the name the page lacks, and the spelling the page has if it
// differs only in case.
std::string DescribeRefusal(const host_engine::ScriptedPageDriver::Refusal& refusal,
                            const std::vector<PageStep>& steps);

} // namespace quillmere_host

#endif
