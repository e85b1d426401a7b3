// The option page full screen, where the terminal can place its cursor.
#ifndef QUILLMERE_HOST_FULL_SCREEN_PAGE_H
#define QUILLMERE_HOST_FULL_SCREEN_PAGE_H

#include "engine/property_page.h"

#include <cstdio>

namespace quillmere_host {

// Drawn in place with ncurses from the page's layout, with OK and Cancel as
// the host's modal page has them and a line of help at the bottom, scrolled
// to keep the focus in sight on a small screen. The focus starts on the
// first option; arrow keys and Tab move it; Space flips a check box or
// clicks a button (or OK, or Cancel); Enter confirms wherever the focus is
// but on Cancel; Escape, q and Ctrl-C cancel; a mouse click does what Space
// does where it lands, on what is shown.
class FullScreenPage
{
public:
	FullScreenPage(std::FILE* in, std::FILE* out) : m_in(in), m_out(out) {}

	// False, having shown nothing, when the terminal can't place its cursor
	// (TERM=dumb, an unknown TERM); the terminal is as it was in every case.
	bool Answer(host_engine::PropertyPage& page, host_engine::PageAnswer* answer);

private:
	std::FILE* m_in;
	std::FILE* m_out;
};

} // namespace quillmere_host

#endif
