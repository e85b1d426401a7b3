// Drawing a page from any layout, not only the option page's.
#include "page/page_view.h"
#include "support/layout_items.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

using host_engine::LayoutItem;
using quillmere_tests::Entry;

std::vector<std::string> Lines(const std::string& text)
{
	std::vector<std::string> lines;
	std::istringstream in(text);
	for (std::string line; std::getline(in, line);) {
		lines.push_back(line);
	}
	return lines;
}

TEST(PageView, FramedGroupsLineUp_ItemsInLayoutOrder)
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

TEST(PageView, ControlCharactersInTextsAreEscaped_FramesStillLineUp)
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

TEST(PageView, AClosedPage_ShowsWhatWasConfirmed_OrOnCancelWhatItOpenedWith)
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

} // namespace
