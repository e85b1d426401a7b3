// Which part of an arranged page a screen smaller than the page shows.
#ifndef QUILLMERE_HOST_PAGE_VIEWPORT_H
#define QUILLMERE_HOST_PAGE_VIEWPORT_H

#include "page/page_screen.h"

#include <cstddef>

namespace quillmere_host {

// Scrolled both ways, as little as it takes to show the focused control
// whole (or its start, when it is wider than the screen), and never further
// past the page's end than the screen's size asks: once the screen grows
// back, the title is on top again.
class PageViewport
{
public:
	// Fits the view to a screen of `rows` lines of `columns` characters, for
	// `screen`, with `focus` (nullptr: none) in sight.
	void Fit(const PageScreen& screen, const ScreenControl* focus, size_t rows, size_t columns);

	size_t Top() const { return m_top; }   // the page's line on the screen's first
	size_t Left() const { return m_left; } // the page's column on the screen's first

	// The page's line and column at `row`, `column` of the screen; false
	// outside the rows and columns the page is shown in (the help line).
	bool PageCell(size_t row, size_t column, size_t* line, size_t* pageColumn) const;

private:
	size_t m_top = 0;
	size_t m_left = 0;
	size_t m_rows = 0;
	size_t m_columns = 0;
};

} // namespace quillmere_host

#endif
