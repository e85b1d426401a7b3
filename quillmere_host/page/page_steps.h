// The user's answers on the option page as words: given with --page, typed
// at the line page, or piped in on standard input.
#ifndef QUILLMERE_HOST_PAGE_STEPS_H
#define QUILLMERE_HOST_PAGE_STEPS_H

#include <string>
#include <vector>

namespace quillmere_host {

struct PageStep {
	enum Kind { Name, Set, Ok, Cancel };
	Kind kind = Ok;
	std::wstring name; // a parameter or a button, by name or label, as written
	bool value = false;
	std::string text;    // the step as written (UTF-8, or the bytes given), for messages
	size_t column = 1;   // where it starts in the --page text, in characters
	std::string problem; // why the step is none of the above; empty when it is one
};

// Whitespace-separated words, each one a parameter's or a button's name or
// label (flips the parameter, clicks the button), NAME=on or NAME=off (in any
// case), OK or Cancel. A word that is none of these carries its problem. A
// label with blanks is several words here: the page's vocabulary joins them
// (PageVocabulary::Grouped).
std::vector<PageStep> SplitPageSteps(const std::string& text);

// The --page steps: as SplitPageSteps, ending with OK or Cancel. Throws
// InputError for the first step with a problem.
std::vector<PageStep> ParsePageSteps(const std::string& text);

// A step the page could not take, and why.
struct StepRefusal {
	size_t column;       // where the step starts in the --page text
	std::string problem; // one line
};

// The one-line error for a step the page refused: where the step is in the
// --page text, and why.
std::string DescribeRefusal(const StepRefusal& refusal);

} // namespace quillmere_host

#endif
