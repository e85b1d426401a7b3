// The scene: what a reset keeps and forgets, and the selection as objects come and go.
#include "support/host_scene.h"

#include <xsi_application.h>
#include <xsi_selection.h>

#include <gtest/gtest.h>

#include <vector>

namespace {

using Selection = quillmere_tests::HostScene;

TEST_F(Selection, KeepsOrderAndEveryHandle_ButHandsOutOnlyTheLiving_AndAResetEmptiesIt)
{
	host_engine::Scene& objects = host.Scene();
	XSI::CRef first = scene.AddObject(scene.Root(), L"first");
	XSI::CRef second = scene.AddObject(scene.Root(), L"second");
	XSI::CRef third = scene.AddObject(scene.Root(), L"third");
	scene.Select(third);
	scene.Select(first);
	scene.Select(second);
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(first));
	objects.Select(host.Scene().HandleOf(first)); // stale: not selected again

	std::vector<host_engine::Handle> live = objects.SelectedObjects();
	ASSERT_EQ(live.size(), 2u);
	EXPECT_EQ(objects.RefOf(live[0]), third);
	EXPECT_EQ(objects.RefOf(live[1]), second);
	EXPECT_EQ(objects.SelectionHandles().size(), 3u); // the deleted one still listed
	EXPECT_EQ(XSI::Application().GetSelection().GetCount(), 2);

	host.ResetScene();
	EXPECT_TRUE(objects.SelectionHandles().empty());
	EXPECT_FALSE(second.IsValid());
	EXPECT_EQ(host.Scene().Objects().Name(objects.ApplicationSlot()), L"Application");
	EXPECT_EQ(host.Scene().Objects().Name(objects.SelectionSlot()), L"Selection");
}

TEST(SceneReset, ForgetsTheOldScenesNamesButKeepsTheHostsOwn)
{
	host_engine::Host& host = host_engine::CurrentHost();
	host.ResetScene();
	host_engine::SceneBuilder scene(host);
	host_engine::SceneReadBack readBack(host);
	scene.AddConstraint(scene.AddObject(scene.Root(), L"forgotten_object"), L"forgotten constraint");
	host.ResetScene();
	EXPECT_EQ(host.Scene().Objects().Names().Find(L"forgotten_object"), 0u);
	EXPECT_EQ(host.Scene().Objects().Names().Find(L"forgotten constraint"), 0u);
	EXPECT_EQ(host.Scene().Objects().Name(host.Scene().ApplicationSlot()), L"Application");
	EXPECT_EQ(readBack.NameOf(scene.AddObject(scene.Root(), L"again")), L"again");
	EXPECT_EQ(readBack.Find(L"again").GetAsText(), L"again");
}

} // namespace
