// What a screen smaller than the page shows of it: the focus always in
// sight, the title back once there is room.
#include "page/page_viewport.h"
#include "support/layout_items.h"

#include <gtest/gtest.h>

namespace {

using host_engine::LayoutItem;
using quillmere_host::PageScreen;
using quillmere_host::PageViewport;
using quillmere_host::ScreenControl;
using quillmere_tests::Entry;

// The option page's shape: a title, a row of three buttons, a framed group
// of eight options, then OK and Cancel: 14 lines, 40 columns.
PageScreen OptionPage()
{
	quillmere_host::PageSnapshot page;
	page.title = L"QuillmereOption";
	page.layout = {Entry(LayoutItem::Row),
	               Entry(LayoutItem::Button, L"AllOn", L"All ON"),
	               Entry(LayoutItem::Button, L"AllOff", L"All OFF"),
	               Entry(LayoutItem::Button, L"AllToggle", L"All Toggle"),
	               Entry(LayoutItem::EndRow),
	               Entry(LayoutItem::Group, L"", L"Target Constraints", true)};
	for (const wchar_t* label : {L"Position", L"Orientation", L"Direction", L"Pose", L"Distance", L"Scaling",
	                             L"Symmetry", L"Chain Up Vector"}) {
		page.layout.push_back(Entry(LayoutItem::Item, label, label));
		page.values[label] = true;
	}
	page.layout.push_back(Entry(LayoutItem::EndGroup));
	return quillmere_host::ArrangePage(page, true);
}

bool WhollyShown(const PageViewport& view, const ScreenControl& control, size_t rows, size_t columns)
{
	return control.line >= view.Top() && control.line < view.Top() + rows && control.column >= view.Left() &&
	       control.column + std::min(control.width, columns) <= view.Left() + columns;
}

TEST(PageViewport, OnEveryScreenSize_WhateverHasTheFocusIsShown_WholeWhereItFits)
{
	const PageScreen page = OptionPage();
	ASSERT_EQ(page.controls.size(), 13u);
	for (size_t rows = 1; rows <= 20; ++rows) {
		for (size_t columns = 1; columns <= 50; ++columns) {
			PageViewport view;
			// Round the page by Tab, then back by Shift-Tab, as a user would.
			for (size_t step = 0; step < 2 * page.controls.size(); ++step) {
				size_t index = step < page.controls.size() ? step : 2 * page.controls.size() - 1 - step;
				const ScreenControl& focus = page.controls[index];
				view.Fit(page, &focus, rows, columns);
				ASSERT_TRUE(WhollyShown(view, focus, rows, columns))
				    << rows << "x" << columns << ", control " << index << ": top " << view.Top() << ", left "
				    << view.Left();
			}
		}
	}
}

TEST(PageViewport, TwentyColumns_TheButtonsBeyondTheEdgeScrollIntoSight)
{
	const PageScreen page = OptionPage();
	const ScreenControl& allOff = page.controls[1];
	const ScreenControl& position = page.controls[3];
	PageViewport view;
	view.Fit(page, &position, 39, 20);
	EXPECT_EQ(view.Left(), 0u); // the page's start, as long as the focus is in it
	view.Fit(page, &allOff, 39, 20);
	EXPECT_EQ(view.Left(), allOff.column + allOff.width - 20); // just enough to show it
	view.Fit(page, &position, 39, 20);
	EXPECT_EQ(view.Left(), position.column);

	// Wider than the screen: its start, where its mark or first letter is.
	view.Fit(page, &allOff, 1, 4);
	EXPECT_EQ(view.Left(), allOff.column);
	EXPECT_EQ(view.Top(), allOff.line);
}

TEST(PageViewport, ShrunkThenGrownBack_ThePageIsWholeAgain_TitleOnTop)
{
	const PageScreen page = OptionPage();
	const ScreenControl& allToggle = page.controls[2];
	const ScreenControl& ok = page.controls[11];
	PageViewport view;
	view.Fit(page, &allToggle, 9, 20);
	view.Fit(page, &ok, 9, 20);
	EXPECT_EQ(view.Top(), ok.line - 8);
	EXPECT_EQ(view.Left(), ok.column);
	view.Fit(page, &ok, 39, 99);
	EXPECT_EQ(view.Top(), 0u);
	EXPECT_EQ(view.Left(), 0u);
	// Half grown: no further past the page's end than the screen asks.
	view.Fit(page, &ok, 9, 20);
	view.Fit(page, &ok, 12, 20);
	EXPECT_EQ(view.Top(), page.lines.size() - 12);

	PageViewport unfocused;
	unfocused.Fit(page, nullptr, 5, 5);
	EXPECT_EQ(unfocused.Top(), 0u);
	EXPECT_EQ(unfocused.Left(), 0u);
}

TEST(PageViewport, AScreenCellIsThePagesCellUnderIt_TheHelpLineAndBeyondAreNone)
{
	const PageScreen page = OptionPage();
	PageViewport view;
	view.Fit(page, &page.controls[2], 9, 20);
	view.Fit(page, &page.controls[11], 9, 20); // scrolled down and right
	size_t line = 0;
	size_t column = 0;
	ASSERT_TRUE(view.PageCell(2, 3, &line, &column));
	EXPECT_EQ(line, view.Top() + 2);
	EXPECT_EQ(column, view.Left() + 3);
	EXPECT_TRUE(view.PageCell(8, 19, &line, &column));
	EXPECT_FALSE(view.PageCell(9, 0, &line, &column)); // the help line, over the page's next line
	EXPECT_FALSE(view.PageCell(0, 20, &line, &column));
}

} // namespace
