// CRefArray::Filter, as the removal pass uses it on the selection.
#include "support/host_scene.h"

#include <xsi_application.h>
#include <xsi_selection.h>

#include <gtest/gtest.h>

namespace {

using Filter = quillmere_tests::HostScene;

TEST_F(Filter, ByFamily_KeepsSelectionOrder)
{
	XSI::CRef root = scene.Root();
	XSI::CRef effector = scene.AddObject(root, L"eff", XSI::siChainEffectorID);
	XSI::CRef group = scene.AddObject(root, L"grp", XSI::siGroupID);
	XSI::CRef model = scene.AddObject(root, L"char", XSI::siModelID);
	XSI::CRef mesh = scene.AddObject(model, L"mesh");
	XSI::CRef cns = scene.AddConstraint(mesh, L"Position Cns");
	for (const XSI::CRef& ref : {mesh, group, cns, effector, model}) {
		scene.Select(ref);
	}

	XSI::CRefArray selected = XSI::Application().GetSelection().GetArray();
	ASSERT_EQ(selected.GetCount(), 5);
	XSI::CStringArray families;
	families.Add(XSI::si3DObjectFamily);
	XSI::CRefArray objects;
	EXPECT_EQ(selected.Filter(L"", families, L"", objects), XSI::CStatus::OK);
	ASSERT_EQ(objects.GetCount(), 3);
	EXPECT_EQ(objects[0], mesh);
	EXPECT_EQ(objects[1], effector);
	EXPECT_EQ(objects[2], model);

	XSI::CStringArray groups;
	groups.Add(XSI::siGroupFamily);
	XSI::CRefArray found;
	EXPECT_EQ(selected.Filter(L"", groups, L"", found), XSI::CStatus::OK);
	EXPECT_EQ(found.GetCount(), 1);
	EXPECT_EQ(selected.Filter(L"", families, L"nobody", found), XSI::CStatus::False);
	EXPECT_EQ(found.GetCount(), 0);
}

TEST_F(Filter, DeletedObjectsLeaveTheSelection)
{
	XSI::CRef a = scene.AddObject(scene.Root(), L"a");
	XSI::CRef b = scene.AddObject(scene.Root(), L"b");
	scene.Select(a);
	scene.Select(b);
	host.Objects().DestroySubtree(host.SlotOf(a));
	XSI::CRefArray selected = XSI::Application().GetSelection().GetArray();
	ASSERT_EQ(selected.GetCount(), 1);
	EXPECT_EQ(selected[0], b);
}

} // namespace
