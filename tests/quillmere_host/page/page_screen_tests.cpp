// Where a page's controls and frames land, for drawing them and for the
// mouse; and a page drawn as text from any layout, not only the option page's.
#include "page/page_screen.h"
#include "support/layout_items.h"

#include <gtest/gtest.h>

#include <sstream>

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

std::vector<std::string> Lines(const std::string& text)
{
	std::vector<std::string> lines;
	std::istringstream in(text);
	for (std::string line; std::getline(in, line);) {
		lines.push_back(line);
	}
	return lines;
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

TEST(PageScreenDrawn, FramedGroupsLineUp_ItemsInLayoutOrder)
{
	quillmere_host::PageSnapshot page;
	page.title = L"Opts";
	page.layout = {Entry(LayoutItem::Button, L"Go", L"Go now"),
	               Entry(LayoutItem::Group, L"", L"A rather long group label", true),
	               Entry(LayoutItem::Item, L"b", L"Bee"),
	               Entry(LayoutItem::Item, L"a"), // no label: its name stands in
	               Entry(LayoutItem::EndGroup),
	               Entry(LayoutItem::Group, L"", L"Loose"),
	               Entry(LayoutItem::Item, L"c", L"Sea"),
	               Entry(LayoutItem::EndGroup)};
	page.values = {{L"a", true}, {L"b", false}};
	std::vector<std::string> lines = Lines(quillmere_host::DrawPage(page));
	ASSERT_EQ(lines.size(), 8u);
	EXPECT_EQ(lines[1], " [ Go now ]");
	EXPECT_EQ(lines[3].substr(0, 12), " | [ ] Bee  ");
	EXPECT_NE(lines[4].find("[x] a"), std::string::npos);
	// The frame's right edge is in one column on every line of the group.
	for (size_t i = 2; i <= 5; ++i) {
		EXPECT_EQ(lines[i].size(), lines[2].size()) << lines[i];
	}
	EXPECT_EQ(lines[6], " Loose");
	EXPECT_EQ(lines[7], " [ ] Sea"); // no value known: shown off
}

TEST(PageScreenDrawn, ControlCharactersInTextsAreEscaped_FramesStillLineUp)
{
	quillmere_host::PageSnapshot page;
	page.title = L"two\nlines";
	page.layout = {Entry(LayoutItem::Group, L"", L"tab\there", true), Entry(LayoutItem::Item, L"p", L"esc\x1b[31mred"),
	               Entry(LayoutItem::Item, L"q", L"next\x85line \\ slash"), Entry(LayoutItem::EndGroup)};
	std::string drawn = quillmere_host::DrawPage(page);
	EXPECT_NE(drawn.find("== two\\nlines"), std::string::npos) << drawn;
	EXPECT_NE(drawn.find("tab\\there"), std::string::npos) << drawn;
	EXPECT_NE(drawn.find("esc\\u001b[31mred"), std::string::npos) << drawn;
	EXPECT_NE(drawn.find("next\\u0085line \\\\ slash"), std::string::npos) << drawn;
	EXPECT_EQ(drawn.find('\x1b'), std::string::npos);
	EXPECT_EQ(drawn.find("\xc2\x85"), std::string::npos);
	std::vector<std::string> lines = Lines(drawn);
	ASSERT_EQ(lines.size(), 5u); // the title, the group's top, two items, its bottom
	for (size_t i = 2; i < lines.size(); ++i) {
		EXPECT_EQ(lines[i].size(), lines[1].size()) << lines[i];
	}
}

TEST(PageScreenDrawn, AClosedPage_ShowsWhatWasConfirmed_OrOnCancelWhatItOpenedWith)
{
	host_engine::PageRecord record;
	record.timesShown = 1;
	record.layout = {Entry(LayoutItem::Item, L"p", L"Pea")};
	record.openValues = {{L"p", true}};
	record.closeValues = {{L"p", false}};
	record.confirmed = true;
	EXPECT_NE(quillmere_host::DrawPage(quillmere_host::SnapshotOf(record)).find("[ ] Pea"), std::string::npos);
	record.confirmed = false; // the host drops a cancelled page's changes
	EXPECT_NE(quillmere_host::DrawPage(quillmere_host::SnapshotOf(record)).find("[x] Pea"), std::string::npos);
}

// The report lists a closed page's values as the page shows them, not as
// its property defines them; a value the layout doesn't show comes last.
TEST(PageScreenDrawn, AClosedPagesValues_InThePagesOrder_AsConfirmedOrAsOpened)
{
	host_engine::PageRecord record;
	record.timesShown = 1;
	record.layout = {Entry(LayoutItem::Item, L"Pos", L"Position"),    Entry(LayoutItem::Button, L"Dir", L"Not an item"),
	                 Entry(LayoutItem::Item, L"Ori", L"Orientation"), Entry(LayoutItem::Item, L"Pos", L"Again"),
	                 Entry(LayoutItem::Item, L"Dir", L"Direction"),   Entry(LayoutItem::Item, L"Gone", L"No value")};
	record.openValues = {{L"Hidden", true}, {L"Dir", true}, {L"Ori", false}, {L"Pos", true}};
	record.closeValues = {{L"Hidden", false}, {L"Dir", false}, {L"Ori", true}, {L"Pos", false}};
	record.confirmed = true;
	const host_engine::PageValues confirmed = {{L"Pos", false}, {L"Ori", true}, {L"Dir", false}, {L"Hidden", false}};
	EXPECT_EQ(quillmere_host::ClosedValuesInPageOrder(record), confirmed);
	record.confirmed = false;
	const host_engine::PageValues opened = {{L"Pos", true}, {L"Ori", false}, {L"Dir", true}, {L"Hidden", true}};
	EXPECT_EQ(quillmere_host::ClosedValuesInPageOrder(record), opened);
}

} // namespace
