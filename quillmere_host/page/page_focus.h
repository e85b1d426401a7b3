// Which control of an arranged page has the focus, and where keys move it.
#ifndef QUILLMERE_HOST_PAGE_FOCUS_H
#define QUILLMERE_HOST_PAGE_FOCUS_H

#include "page/page_screen.h"

#include <vector>

namespace quillmere_host {

// Tab (and Right) go to the next control in the page's order, Shift-Tab (and
// Left) to the one before, both round the end; Up and Down to the nearest
// control on the nearest line above or below that has one, else nowhere.
class PageFocus
{
public:
	// Takes the page's controls as arranged now (after a redraw or a
	// resize), keeping the focus on the control it was on; the first time,
	// or when that control is gone, on the first check box (else the first
	// control).
	void Arrange(const std::vector<ScreenControl>& controls);

	// The focused control; nullptr when the page has none.
	const ScreenControl* Current() const;

	void Next();
	void Previous();
	void Up();
	void Down();
	// Focuses the control covering `line`, `column`; false when none does.
	bool At(size_t line, size_t column);

private:
	void Vertical(bool down);

	std::vector<ScreenControl> m_controls;
	size_t m_index = 0;
};

} // namespace quillmere_host

#endif
