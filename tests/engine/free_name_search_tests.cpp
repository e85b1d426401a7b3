// Unique naming: a name taken in its model or among its siblings gets the
// lowest free number after it, however many leftovers hold the others.
#include "support/host_scene.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace {

using Naming = quillmere_tests::HostScene;

TEST_F(Naming, TakenNamesGetTheLowestFreeSuffix)
{
	XSI::CRef root = scene.Root();
	XSI::CRef first = scene.AddProperty(root, L"CustomProperty", L"Opt");
	XSI::CRef second = scene.AddProperty(root, L"CustomProperty", L"Opt");
	XSI::CRef third = scene.AddProperty(root, L"CustomProperty", L"Opt");
	EXPECT_EQ(readBack.NameOf(first), L"Opt");
	EXPECT_EQ(readBack.NameOf(second), L"Opt1");
	EXPECT_EQ(readBack.NameOf(third), L"Opt2");
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(second));
	EXPECT_EQ(readBack.NameOf(scene.AddProperty(root, L"CustomProperty", L"Opt")), L"Opt1");

	// 3D objects are unique in their model, not only among siblings.
	XSI::CRef arm = scene.AddObject(root, L"arm");
	XSI::CRef nested = scene.AddObject(arm, L"arm");
	EXPECT_EQ(readBack.NameOf(nested), L"arm1");
	// Constraints keep their names as given, repeats included.
	scene.AddConstraint(arm, L"Position Cns");
	XSI::CRef repeat = scene.AddConstraint(arm, L"Position Cns");
	EXPECT_EQ(readBack.NameOf(repeat), L"Position Cns");
}

// Properties left by 20,000 interrupted runs: each new one still takes the
// lowest free number, whatever went, came back or was renamed meanwhile.
TEST_F(Naming, TwentyThousandLeftovers_EachNewNameIsTheLowestFree)
{
	const int kLeftovers = 20000;
	XSI::CRef root = scene.Root();
	auto add = [&](const std::wstring& name) { return scene.AddProperty(root, L"CustomProperty", name); };
	std::vector<XSI::CRef> leftovers;
	for (int i = 0; i < kLeftovers; ++i) {
		leftovers.push_back(add(L"QuillmereOption"));
	}
	// Each name found where the last search stopped, not by trying 1, 2, 3...
	// again: a few names tried per leftover, not a few hundred million in all.
	EXPECT_LE(host.Scene().Objects().NameProbes(), 3u * kLeftovers);
	for (int i = 0; i < kLeftovers; ++i) {
		ASSERT_EQ(readBack.NameOf(leftovers[i]), L"QuillmereOption" + (i == 0 ? std::wstring() : std::to_wstring(i)));
	}
	auto destroy = [&](int i) { host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(leftovers[i])); };
	host_engine::DetachedSubtree detached;
	const std::pair<std::function<void()>, const wchar_t*> steps[] = {
	    {[] {}, L"QuillmereOption20000"},
	    // Freed below the others: the lowest first, however they went.
	    {[&] {
		     destroy(19000);
		     destroy(7);
		     detached =
		         host.Scene().Objects().DetachSubtree(host.Scene().SlotOf(leftovers[3])); // as a deletion awaiting undo
	     },
	     L"QuillmereOption3"},
	    {[] {}, L"QuillmereOption7"},
	    {[] {}, L"QuillmereOption19000"},
	    {[] {}, L"QuillmereOption20001"},
	    {[&] { host.Scene().Objects().Rename(host.Scene().SlotOf(leftovers[10]), L"Renamed"); }, L"QuillmereOption10"},
	    // A freed number taken again by its name is not free.
	    {[&] {
		     destroy(11);
		     add(L"QuillmereOption11");
	     },
	     L"QuillmereOption20002"},
	    // "01" is no number the host gives: freeing it frees none.
	    {[&] {
		     add(L"QuillmereOption01");
		     host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(readBack.Find(L"QuillmereOption01")));
	     },
	     L"QuillmereOption20003"},
	    {[&] { destroy(0); }, L"QuillmereOption"},
	};
	for (const auto& step : steps) {
		step.first();
		EXPECT_EQ(readBack.NameOf(add(L"QuillmereOption")), step.second);
	}
	host.Scene().Objects().ReleaseDetached(detached);
	// A base that ends in a digit numbers on after it.
	EXPECT_EQ(readBack.NameOf(add(L"Opt1")), L"Opt1");
	EXPECT_EQ(readBack.NameOf(add(L"Opt1")), L"Opt11");
	EXPECT_EQ(readBack.NameOf(add(L"Opt1")), L"Opt12");
	// Read the other way, each new one shares the name with the leftovers.
	host.Readings().Choose(host_engine::Reading::TakenPropertyName, 1);
	XSI::CRef shared = add(L"QuillmereOption");
	EXPECT_EQ(readBack.NameOf(shared), L"QuillmereOption");
	EXPECT_NE(readBack.Find(L"QuillmereOption"), shared);
}

} // namespace
