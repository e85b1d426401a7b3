// The object table: a name two objects of a model share, found as the host finds it.
#include "support/host_scene.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Naming = quillmere_tests::HostScene;

// Read the other way, AddProperty gives a taken name again: the two share
// it, a lookup by the name finds the older, and the newer takes over the
// name when the older goes.
TEST_F(Naming, ATakenPropertyNameNumberedOrShared)
{
	XSI::CRef first = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	XSI::CRef numbered = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	EXPECT_EQ(readBack.NameOf(numbered), L"notes1");

	host.Readings().Choose(host_engine::Reading::TakenPropertyName, 1);
	XSI::CRef shared = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	EXPECT_EQ(readBack.NameOf(shared), L"notes");
	EXPECT_NE(shared, first);
	EXPECT_EQ(readBack.Find(L"notes"), first);
	// Taken out and put back, as an undo does: still the older.
	host_engine::DetachedSubtree out = host.Scene().Objects().DetachSubtree(host.Scene().SlotOf(first));
	EXPECT_EQ(readBack.Find(L"notes"), shared);
	ASSERT_TRUE(host.Scene().Objects().ReattachSubtree(out));
	EXPECT_EQ(readBack.Find(L"notes"), first);
	// Many more names, so that the index grows and moves its entries.
	for (int i = 0; i < 100; ++i) {
		scene.AddProperty(scene.Root(), L"CustomProperty", L"more" + std::to_wstring(i));
	}
	EXPECT_EQ(readBack.Find(L"notes"), first);
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(first));
	EXPECT_EQ(readBack.Find(L"notes"), shared);
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(shared));
	EXPECT_FALSE(readBack.Find(L"notes").IsValid());
	EXPECT_EQ(readBack.Find(L"notes1"), numbered);
}

} // namespace
