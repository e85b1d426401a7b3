#include "page/page_viewport.h"

#include <algorithm>

namespace quillmere_host {

namespace {

// One axis: the view's start, moved from `start` as little as it takes.
size_t Scrolled(size_t start, size_t pageSize, size_t viewSize, bool focused, size_t focusStart, size_t focusSize)
{
	start = std::min(start, pageSize > viewSize ? pageSize - viewSize : 0);
	if (focused) {
		size_t shown = std::min(focusSize, viewSize); // a control wider than the screen: its start
		if (focusStart < start) {
			start = focusStart;
		} else if (focusStart + shown > start + viewSize) {
			start = focusStart + shown - viewSize;
		}
	}
	return start;
}

} // namespace

void PageViewport::Fit(const PageScreen& screen, const ScreenControl* focus, size_t rows, size_t columns)
{
	m_rows = std::max<size_t>(rows, 1);
	m_columns = std::max<size_t>(columns, 1);
	size_t width = 0;
	for (const std::wstring& line : screen.lines) {
		width = std::max(width, line.size());
	}
	bool focused = focus != nullptr;
	m_top = Scrolled(m_top, screen.lines.size(), m_rows, focused, focused ? focus->line : 0, 1);
	m_left = Scrolled(m_left, width, m_columns, focused, focused ? focus->column : 0, focused ? focus->width : 0);
}

bool PageViewport::PageCell(size_t row, size_t column, size_t* line, size_t* pageColumn) const
{
	if (row >= m_rows || column >= m_columns) {
		return false;
	}
	*line = m_top + row;
	*pageColumn = m_left + column;
	return true;
}

} // namespace quillmere_host
