// The words a page answers to, taken from its own layout, and what each does.
#ifndef QUILLMERE_HOST_PAGE_VOCABULARY_H
#define QUILLMERE_HOST_PAGE_VOCABULARY_H

#include "page/page_steps.h"

#include "engine/page_layout.h"
#include "engine/property_page.h"

#include <string>
#include <vector>

namespace quillmere_host {

// One thing done on an open page.
struct PageAction {
	enum Kind { Click, Set, Flip, Ok, Cancel };
	Kind kind = Ok;
	std::wstring name; // the button's script name or the parameter's name
	bool value = false;
};

// Does `action` on `page`, as a user would: true when it closes the page (OK
// or Cancel, the driver's answer, which `answer` gets), false when the page
// is still open.
bool ApplyOrClose(const PageAction& action, host_engine::PropertyPage& page, host_engine::PageAnswer* answer);

// Does `actions` in order until one closes the page: true, with `answer`
// OK or Cancel, if one did; false when the page is still open.
bool ApplyUntilClosed(const std::vector<PageAction>& actions, host_engine::PropertyPage& page,
                      host_engine::PageAnswer* answer);

// A page's parameters and buttons, each known by its name and by its label,
// read as every page driver reads them (host_engine::PageItemKey: A to Z in
// any case, with its blanks or without them): the button "All ON" is
// "AllOn", "allon" and "All ON"; a parameter is its name or its item's label.
class PageVocabulary
{
public:
	struct Entry {
		bool button = false;
		std::wstring name;
		std::wstring label; // the layout's label, or empty
	};

	PageVocabulary(const std::vector<host_engine::LayoutItem>& layout, const std::vector<std::wstring>& parameters);
	explicit PageVocabulary(const host_engine::PropertyPage& page);

	// The words of a line or of --page as steps: where a run of words spells
	// a label (or name) with blanks word by word, in any case ("All ON",
	// "chain up vector=off"), the run is one step, the longest such run
	// first; every other word is a step of its own. Only the run's last word
	// may hold the '=' of NAME=on or NAME=off; OK and Cancel are never part
	// of one.
	std::vector<PageStep> Grouped(const std::vector<PageStep>& words) const;

	// What `step` does on the page; false, with `problem` saying why, when the
	// page has nothing of that name or the step doesn't fit it (a value for a
	// button, a name shared by two things).
	bool Resolve(const PageStep& step, PageAction* action, std::string* problem) const;

	// The parameters, then the buttons, in the order the page shows them.
	const std::vector<Entry>& Entries() const { return m_entries; }

	// The parameters, or the buttons, each by its name and its label if it
	// has another: "Pos (Position), Ori (Orientation)"; "none" when there are none.
	std::string Listing(bool buttons) const;
	// Both, for a message about a word the page lacks where there is no
	// help to ask for: " (options: ...; buttons: ...)".
	std::string Offered() const;

private:
	std::vector<Entry> m_entries;
	// Each label and name with blanks, as its words compared (PageItemKey): the runs Grouped joins.
	std::vector<std::vector<std::wstring>> m_spelledInWords;
};

} // namespace quillmere_host

#endif
