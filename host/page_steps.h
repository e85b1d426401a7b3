// The user's answers on the option page, given on the command line.
#ifndef QUILLMERE_HOST_PAGE_STEPS_H
#define QUILLMERE_HOST_PAGE_STEPS_H

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

} // namespace quillmere_host

#endif
