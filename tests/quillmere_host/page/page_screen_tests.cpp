// Where a page's controls and frames land, for drawing them and for the mouse.
#include "page/page_screen.h"
#include "support/layout_items.h"

#include <gtest/gtest.h>

namespace {

using host_engine::LayoutItem;
using quillmere_host::ArrangePage;
using quillmere_host::PageScreen;
using quillmere_host::ScreenControl;
using quillmere_tests::Entry;

quillmere_host::PageSnapshot Page()
{
	quillmere_host::PageSnapshot page;
	page.title = L"Rig";
	page.layout = {Entry(LayoutItem::Row),
	               Entry(LayoutItem::Button, L"On", L"All on"),
	               Entry(LayoutItem::Button, L"Off", L"All off"),
	               Entry(LayoutItem::EndRow),
	               Entry(LayoutItem::Group, L"", L"Kinds", true),
	               Entry(LayoutItem::Item, L"a", L"Aim"),
	               Entry(LayoutItem::Item, L"b", L"Bend"),
	               Entry(LayoutItem::EndGroup),
	               Entry(LayoutItem::Item, L"c", L"Curl")};
	page.values = {{L"a", true}, {L"b", false}, {L"c", true}};
	return page;
}

std::wstring TextOf(const PageScreen& screen, const ScreenControl& control)
{
	return screen.lines[control.line].substr(control.column, control.width);
}

TEST(PageScreen, EachControlCoversItsTextOnItsLine_InThePagesOrder)
{
	PageScreen screen = ArrangePage(Page(), true);
	ASSERT_EQ(screen.controls.size(), 7u);
	const std::vector<std::wstring> expected = {L"[ All on ]", L"[ All off ]", L"[x] Aim",   L"[ ] Bend",
	                                            L"[x] Curl",   L"[ OK ]",      L"[ Cancel ]"};
	for (size_t i = 0; i < expected.size(); ++i) {
		EXPECT_EQ(TextOf(screen, screen.controls[i]), expected[i]) << i;
	}
	EXPECT_EQ(screen.controls[0].line, screen.controls[1].line); // one row
	EXPECT_EQ(screen.controls[2].name, L"a");
	EXPECT_EQ(screen.controls[0].name, L"On");
	EXPECT_EQ(screen.controls[5].kind, ScreenControl::Ok);
	EXPECT_EQ(screen.controls[6].kind, ScreenControl::Cancel);
	EXPECT_GT(screen.controls[5].line, screen.controls[4].line);

	// Without OK and Cancel it is the drawing the report shows.
	PageScreen closed = ArrangePage(Page(), false);
	EXPECT_EQ(closed.controls.size(), 5u);
	EXPECT_EQ(closed.lines.size() + 2, screen.lines.size());
}

TEST(PageScreen, AFrameIsWhereItsAsciiBorderIs_ItsLabelLeftOut)
{
	PageScreen screen = ArrangePage(Page(), false);
	ASSERT_EQ(screen.frames.size(), 1u);
	const quillmere_host::ScreenFrame& frame = screen.frames[0];
	EXPECT_EQ(frame.bottom, frame.top + 3);
	for (size_t line : {frame.top, frame.bottom}) {
		EXPECT_EQ(screen.lines[line][frame.left], L'+');
		EXPECT_EQ(screen.lines[line][frame.right], L'+');
	}
	EXPECT_EQ(screen.lines[frame.top + 1][frame.right], L'|');
	EXPECT_EQ(screen.lines[frame.top].substr(frame.labelBegin, frame.labelEnd - frame.labelBegin), L" Kinds ");
}

} // namespace
