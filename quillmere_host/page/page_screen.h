// Where everything of a page goes on a screen of text: lines, frames and the
// controls a user can reach, from the layout the page's plug-in built.
#ifndef QUILLMERE_HOST_PAGE_SCREEN_H
#define QUILLMERE_HOST_PAGE_SCREEN_H

#include "page/page_view.h"

#include <string>
#include <vector>

namespace quillmere_host {

struct ScreenControl {
	enum Kind { Check, Button, Ok, Cancel };
	Kind kind = Check;
	std::wstring name; // the parameter or the button's script name; empty for OK and Cancel
	size_t line = 0;
	size_t column = 0;
	size_t width = 0;
};

// A group's border: its corners, and the part of its top line its label takes.
struct ScreenFrame {
	size_t top = 0;
	size_t bottom = 0;
	size_t left = 0;
	size_t right = 0;
	size_t labelBegin = 0; // [labelBegin, labelEnd) on the top line is not border
	size_t labelEnd = 0;
};

struct PageScreen {
	std::vector<std::wstring> lines;     // frames drawn in ASCII
	std::vector<ScreenControl> controls; // in the page's order
	std::vector<ScreenFrame> frames;
};

// The title, rows of buttons, groups with their labels (framed where the
// layout asks), and one check box per item; with `closeButtons`, OK and
// Cancel below, as a modal page has them.
PageScreen ArrangePage(const PageSnapshot& page, bool closeButtons);

} // namespace quillmere_host

#endif
