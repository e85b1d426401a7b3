// Which of a page's options a constraint's or operator's name is of, by the
// words of the options' labels: the only knowledge of kinds the report has.
#include "output/page_options.h"

#include "support/layout_items.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using host_engine::LayoutItem;
using quillmere_host::PageOptions;
using quillmere_tests::Entry;

// The page as the plug-in lays it out: buttons, a group, eight items.
PageOptions QuillmerePage()
{
	std::vector<LayoutItem> layout = {Entry(LayoutItem::Row),
	                                  Entry(LayoutItem::Button, L"AllOn", L"All ON"),
	                                  Entry(LayoutItem::EndRow),
	                                  Entry(LayoutItem::Group, L"", L"Target Constraints"),
	                                  Entry(LayoutItem::Item, L"Pos", L"Position"),
	                                  Entry(LayoutItem::Item, L"Ori", L"Orientation"),
	                                  Entry(LayoutItem::Item, L"Dir", L"Direction"),
	                                  Entry(LayoutItem::Item, L"Pose", L"Pose"),
	                                  Entry(LayoutItem::Item, L"Distance", L"Distance"),
	                                  Entry(LayoutItem::Item, L"Scaling", L"Scaling"),
	                                  Entry(LayoutItem::Item, L"Symmetry", L"Symmetry"),
	                                  Entry(LayoutItem::Item, L"ChainUpVector", L"Chain Up Vector"),
	                                  Entry(LayoutItem::EndGroup)};
	return PageOptions(layout, {{L"Pos", true}, {L"Dir", false}, {L"ChainUpVector", true}});
}

std::wstring OptionOf(const PageOptions& options, const wchar_t* name)
{
	size_t option = options.OptionOf(name);
	return option == PageOptions::kNone ? L"none" : options[option].label;
}

TEST(PageOptions, ItemsInThePagesOrder_WithTheirValues_ButtonsAreNone)
{
	PageOptions options = QuillmerePage();
	ASSERT_EQ(options.Options().size(), 8u);
	EXPECT_EQ(options[0].parameter, L"Pos");
	EXPECT_EQ(options[0].label, L"Position");
	EXPECT_TRUE(options[0].on);
	EXPECT_EQ(options[2].parameter, L"Dir");
	EXPECT_FALSE(options[2].on);
	EXPECT_FALSE(options[1].on); // a parameter without a value reads off
	EXPECT_EQ(OptionOf(options, L"All ON"), L"none");
	EXPECT_EQ(OptionOf(options, L"Target Constraints"), L"none");
}

TEST(PageOptions, ANameIsOfTheOptionWhoseLabelsWordsItHolds)
{
	PageOptions options = QuillmerePage();
	struct Case {
		const wchar_t* name;
		const wchar_t* option;
	};
	for (const Case& entry : std::vector<Case>{
	         // The kinds' own names, and near misses of them: any case, any
	         // blanks, words run together or numbered.
	         {L"Position Cns", L"Position"},
	         {L"position cns", L"Position"},
	         {L"Position Cns1", L"Position"},
	         {L"Direction  Cns", L"Direction"},
	         {L"ScalingCns", L"Scaling"},
	         {L"Scaling Cns", L"Scaling"},
	         {L"pose_cns", L"Pose"},
	         // A word is whole: "Pose" is no Position, "Pos" no word of any label.
	         {L"Pose Cns", L"Pose"},
	         {L"Pos Cns", L"none"},
	         {L"Positional", L"none"},
	         // More than half of a label's words: the up-vector operator is Chain
	         // Up Vector's, a bone's other operators no option's.
	         {L"SkeletonUpVectorOp", L"Chain Up Vector"},
	         {L"SkeletonPrefRotOp", L"none"},
	         {L"VectorOp", L"none"},
	         // Renamed by the user.
	         {L"knee_aim", L"none"},
	         {L"", L"none"},
	     }) {
		EXPECT_EQ(OptionOf(options, entry.name), entry.option) << std::wstring(entry.name);
	}
}

TEST(PageOptions, OfTwoLabelsTheOneHoldingMoreWords_ThenTheFirstInThePagesOrder)
{
	std::vector<LayoutItem> layout = {
	    Entry(LayoutItem::Item, L"Pos", L"Position"), Entry(LayoutItem::Item, L"PosOffset", L"Position Offset"),
	    Entry(LayoutItem::Item, L"Offset", L"Offset"), Entry(LayoutItem::Item, L"NoLabel")};
	PageOptions options(layout, {});
	EXPECT_EQ(OptionOf(options, L"Position Offset Cns"), L"Position Offset");
	EXPECT_EQ(OptionOf(options, L"Offset Position"), L"Position Offset");
	EXPECT_EQ(OptionOf(options, L"Offset Cns"), L"Offset");
	EXPECT_EQ(OptionOf(options, L"Position Cns"), L"Position");
	EXPECT_EQ(OptionOf(options, L"No Label Cns"), L"NoLabel"); // an item without a label by its name's words

	// Names kept by the host are looked up once per name, with the same answer.
	host_engine::NameTable names;
	uint32_t id = names.Intern(L"Position Offset Cns");
	EXPECT_EQ(options.OptionOf(id, names), 1u);
	EXPECT_EQ(options.OptionOf(id, names), 1u);
	EXPECT_EQ(options.OptionOf(names.Intern(L"knee_aim"), names), PageOptions::kNone);
}

} // namespace
