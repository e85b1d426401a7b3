// A subtree taken out of the scene for undo: gone to every handle meanwhile,
// put back where it was, or freed when there is nowhere to put it.
#include "engine/object_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using host_engine::Handle;
using host_engine::ObjectTable;

std::vector<std::wstring> ChildNames(const ObjectTable& table, uint32_t parent)
{
	std::vector<std::wstring> names;
	for (uint32_t c = table.At(parent).firstChild; c != host_engine::kNoSlot; c = table.At(c).nextSibling) {
		names.push_back(std::wstring(table.Name(c)));
	}
	return names;
}

class SubtreeDetach : public ::testing::Test
{
protected:
	void SetUp() override
	{
		root = table.Create(XSI::siModelID, L"Scene_Root", host_engine::kNoSlot);
		table.SetRoot(root.slot);
		for (const wchar_t* name : {L"a", L"b", L"c"}) {
			objects.push_back(table.Create(XSI::siX3DObjectID, name, root.slot));
		}
		child = table.Create(XSI::siX3DObjectID, L"b_child", objects[1].slot);
	}

	ObjectTable table;
	Handle root;
	std::vector<Handle> objects; // a, b, c under the root
	Handle child;                // under b
};

TEST_F(SubtreeDetach, GoneMeanwhile_BackInItsPlaceWithItsHandles)
{
	size_t live = table.LiveCount();
	host_engine::DetachedSubtree out = table.DetachSubtree(objects[1].slot);
	EXPECT_FALSE(table.IsLive(objects[1]) || table.IsLive(child));
	EXPECT_EQ(table.LiveCount(), live - 2);
	EXPECT_EQ(ChildNames(table, root.slot), (std::vector<std::wstring>{L"a", L"c"}));
	EXPECT_EQ(table.FindInScope(root.slot, table.Names().Find(L"b_child")), host_engine::kNoSlot);

	ASSERT_TRUE(table.ReattachSubtree(out));
	EXPECT_TRUE(table.IsLive(objects[1]) && table.IsLive(child));
	EXPECT_EQ(table.LiveCount(), live);
	EXPECT_EQ(ChildNames(table, root.slot), (std::vector<std::wstring>{L"a", L"b", L"c"}));
	EXPECT_EQ(table.FindInScope(root.slot, table.Names().Find(L"b_child")), child.slot);
}

TEST_F(SubtreeDetach, ItsNeighbourGone_BackLast_ItsParentGone_Freed)
{
	host_engine::DetachedSubtree out = table.DetachSubtree(objects[1].slot);
	table.DestroySubtree(objects[2].slot);
	table.Create(XSI::siX3DObjectID, L"d", root.slot);
	ASSERT_TRUE(table.ReattachSubtree(out));
	EXPECT_EQ(ChildNames(table, root.slot), (std::vector<std::wstring>{L"a", L"d", L"b"}));

	size_t live = table.LiveCount();
	host_engine::DetachedSubtree orphan = table.DetachSubtree(child.slot);
	table.DestroySubtree(objects[1].slot);
	EXPECT_FALSE(table.ReattachSubtree(orphan));
	EXPECT_FALSE(table.IsLive(child));
	EXPECT_EQ(table.LiveCount(), live - 2);
	// Its slot is free again, for a new object with a handle of its own.
	Handle next = table.Create(XSI::siX3DObjectID, L"e", root.slot);
	EXPECT_TRUE(table.IsLive(next));
	EXPECT_FALSE(table.IsLive(child));
}

} // namespace
