// PPGLayout: what a DefineLayout callback lays out reaches the page as
// entries, in order, on the layout it was given and nowhere else.
#include "support/host_scene.h"

#include "engine/layout_building.h"

#include <xsi_ppglayout.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

using host_engine::LayoutItem;
using XSI::CStatus;

class Layouts : public quillmere_tests::HostScene
{
protected:
	XSI::PPGLayout MakeLayout(std::vector<LayoutItem> kept = {})
	{
		return XSI::PPGLayout(host.Scene().RefOf(host_engine::CreateLayout(host.Scene().Objects(), std::move(kept))));
	}
	std::vector<LayoutItem> ItemsOf(const XSI::PPGLayout& layout) const
	{
		return host_engine::LayoutItems(host.Scene().Objects(), host.Scene().SlotOf(layout.GetRef()));
	}
};

TEST_F(Layouts, EntriesKeepTheirOrderKindAndEverythingGivenWithThem)
{
	XSI::PPGLayout layout = MakeLayout();
	ASSERT_TRUE(layout.IsValid());
	EXPECT_EQ(layout.AddGroup(L"Kinds", false, 60).IsValid(), false); // entries, not objects: empty handles
	layout.AddItem(L"Position", L"Position constraints", L"check");
	layout.EndGroup();
	EXPECT_EQ(layout.AddRow(), CStatus::OK);
	layout.AddButton(L"AllOn", L"All on");
	layout.AddButton(L"AllOff");
	EXPECT_EQ(layout.EndRow(), CStatus::OK);

	std::vector<LayoutItem> items = ItemsOf(layout);
	ASSERT_EQ(items.size(), 7u);
	EXPECT_EQ(items[0].kind, LayoutItem::Group);
	EXPECT_EQ(items[0].label, L"Kinds");
	EXPECT_FALSE(items[0].showFrame);
	EXPECT_EQ(items[0].widthPercentage, 60);
	EXPECT_EQ(items[1].kind, LayoutItem::Item);
	EXPECT_EQ(items[1].name, L"Position");
	EXPECT_EQ(items[1].label, L"Position constraints");
	EXPECT_EQ(items[1].uiType, L"check");
	EXPECT_EQ(items[2].kind, LayoutItem::EndGroup);
	EXPECT_EQ(items[3].kind, LayoutItem::Row);
	EXPECT_EQ(items[4].kind, LayoutItem::Button);
	EXPECT_EQ(items[4].name, L"AllOn");
	EXPECT_EQ(items[4].label, L"All on");
	EXPECT_TRUE(items[5].label.empty());
	EXPECT_EQ(items[6].kind, LayoutItem::EndRow);
	// A group's defaults: framed, no width asked.
	layout.AddGroup();
	EXPECT_TRUE(ItemsOf(layout).back().showFrame);
	EXPECT_EQ(ItemsOf(layout).back().widthPercentage, 0);
}

// The host remembers a property's layout between inspections: a callback
// that does not clear it first adds to what is there.
TEST_F(Layouts, AddsToTheLayoutKept_UntilCleared)
{
	LayoutItem kept;
	kept.kind = LayoutItem::Item;
	kept.name = L"Old";
	XSI::PPGLayout layout = MakeLayout({kept});
	layout.AddItem(L"New");
	std::vector<LayoutItem> items = ItemsOf(layout);
	ASSERT_EQ(items.size(), 2u);
	EXPECT_EQ(items[0].name, L"Old");
	EXPECT_EQ(items[1].name, L"New");

	EXPECT_EQ(layout.Clear(), CStatus::OK);
	EXPECT_TRUE(ItemsOf(layout).empty());
	layout.AddItem(L"New");
	EXPECT_EQ(ItemsOf(layout).size(), 1u);
}

TEST_F(Layouts, ALayoutGoneOrNeverMadeTakesNothing)
{
	XSI::PPGLayout other = MakeLayout();
	XSI::PPGLayout gone = MakeLayout();
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(gone.GetRef()));
	for (XSI::PPGLayout layout : {gone, XSI::PPGLayout()}) {
		EXPECT_EQ(layout.Clear(), CStatus::Fail);
		EXPECT_EQ(layout.AddRow(), CStatus::Fail);
		EXPECT_EQ(layout.EndRow(), CStatus::Fail);
		EXPECT_FALSE(layout.AddButton(L"OK").IsValid());
		layout.AddItem(L"Flag");
		layout.AddGroup(L"g");
		layout.EndGroup();
	}
	EXPECT_TRUE(ItemsOf(other).empty()); // nothing went astray to another layout
}

} // namespace
