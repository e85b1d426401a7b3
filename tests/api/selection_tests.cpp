// Selection: the live selected objects, in the order they were selected;
// one deleted since, or whose slot another object took, is not among them.
#include "support/host_scene.h"

#include <xsi_application.h>
#include <xsi_selection.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using Selection = quillmere_tests::HostScene;

TEST_F(Selection, ListsTheSelectedObjectsInTheOrderTheyWereSelected)
{
	XSI::CRef a = scene.AddObject(scene.Root(), L"a");
	XSI::CRef b = scene.AddObject(scene.Root(), L"b");
	XSI::CRef c = scene.AddObject(scene.Root(), L"c");
	for (const XSI::CRef& ref : {c, a, b}) {
		scene.Select(ref);
	}
	XSI::Selection selection = XSI::Application().GetSelection();
	ASSERT_TRUE(selection.IsValid());
	EXPECT_EQ(selection.GetCount(), 3);
	XSI::CRefArray array = selection.GetArray();
	ASSERT_EQ(array.GetCount(), 3);
	EXPECT_EQ(array[0], c);
	EXPECT_EQ(array[1], a);
	EXPECT_EQ(array[2], b);

	host.Scene().ClearSelection();
	EXPECT_EQ(selection.GetCount(), 0);
	EXPECT_EQ(selection.GetArray().GetCount(), 0);
}

// A deleted object's slot is reused; the selection still held the old
// handle, which must not now stand for the newcomer.
TEST_F(Selection, AnObjectDeletedSinceLeavesIt_EvenWhenItsSlotIsReused)
{
	XSI::CRef kept = scene.AddObject(scene.Root(), L"kept");
	XSI::CRef gone = scene.AddObject(scene.Root(), L"gone");
	scene.Select(gone);
	scene.Select(kept);
	uint32_t goneSlot = host.Scene().SlotOf(gone);
	host.Scene().Objects().DestroySubtree(goneSlot);
	XSI::CRef newcomer;
	for (int made = 0; made < 8 && host.Scene().SlotOf(newcomer) != goneSlot; ++made) {
		newcomer = scene.AddObject(scene.Root(), L"newcomer" + std::to_wstring(made));
	}
	ASSERT_EQ(host.Scene().SlotOf(newcomer), goneSlot) << "no new object took the freed slot";

	XSI::Selection selection = XSI::Application().GetSelection();
	EXPECT_EQ(selection.GetCount(), 1);
	XSI::CRefArray array = selection.GetArray();
	ASSERT_EQ(array.GetCount(), 1);
	EXPECT_EQ(array[0], kept);
}

TEST_F(Selection, AnEmptySelectionHandleListsNothing)
{
	scene.Select(scene.AddObject(scene.Root(), L"a"));
	XSI::Selection none;
	EXPECT_FALSE(none.IsValid());
	EXPECT_EQ(none.GetCount(), 0);
	EXPECT_EQ(none.GetArray().GetCount(), 0);
}

} // namespace
