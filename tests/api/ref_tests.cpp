// CRefArray: Filter, as the removal pass uses it on the selection, and the
// array's references through growth, copies and filtering into itself.
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

// Which classes are "3D Objects" the host does not list: chain elements and
// models are, or, read the other way, are not.
TEST_F(Filter, ChainElementsAndModelsIn3DObjectsByReading)
{
	XSI::CRef bone = scene.AddObject(scene.Root(), L"bone", XSI::siChainBoneID);
	XSI::CRef model = scene.AddObject(scene.Root(), L"char", XSI::siModelID);
	XSI::CRef null = scene.AddObject(scene.Root(), L"null", XSI::siNullID);
	XSI::CRefArray all;
	for (const XSI::CRef& ref : {bone, model, null}) {
		all.Add(ref);
	}
	XSI::CStringArray objects3D;
	objects3D.Add(XSI::si3DObjectFamily);
	XSI::CStringArray chainElements;
	chainElements.Add(XSI::siChainElementFamily);
	auto count = [&all](const XSI::CStringArray& families) {
		XSI::CRefArray kept;
		all.Filter(L"", families, L"", kept);
		return kept.GetCount();
	};
	EXPECT_EQ(count(objects3D), 3);
	host.Readings().Choose(host_engine::Reading::ChainElementFamily, 1);
	EXPECT_EQ(count(objects3D), 2);
	EXPECT_EQ(count(chainElements), 1);
	host.Readings().Choose(host_engine::Reading::ModelFamily, 1);
	EXPECT_EQ(count(objects3D), 1);
}

TEST_F(Filter, DeletedObjectsLeaveTheSelection)
{
	XSI::CRef a = scene.AddObject(scene.Root(), L"a");
	XSI::CRef b = scene.AddObject(scene.Root(), L"b");
	scene.Select(a);
	scene.Select(b);
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(a));
	XSI::CRefArray selected = XSI::Application().GetSelection().GetArray();
	ASSERT_EQ(selected.GetCount(), 1);
	EXPECT_EQ(selected[0], b);
}

using RefArray = quillmere_tests::HostScene;

TEST_F(RefArray, KeepsItsReferencesThroughGrowthCopiesAndFilteringIntoItself)
{
	XSI::CRef mesh = scene.AddObject(scene.Root(), L"mesh");
	XSI::CRef cns = scene.AddConstraint(mesh, L"Pose Cns");
	XSI::CRefArray array;
	array.Add(mesh);
	array.Add(cns);
	for (LONG i = 2; i < 41; ++i) {
		array.Add(array[i - 2]); // its own reference, while it grows
	}
	ASSERT_EQ(array.GetCount(), 41);
	EXPECT_EQ(array[40], mesh);
	EXPECT_EQ(array[39], cns);

	XSI::CRefArray doubled(array);
	doubled += doubled;
	EXPECT_EQ(doubled.GetCount(), 82);
	EXPECT_EQ(array.GetCount(), 41);
	doubled = array; // into a block that already has room
	ASSERT_EQ(doubled.GetCount(), 41);
	EXPECT_EQ(doubled[39], cns);
	XSI::CRefArray few(2);
	few = array; // into one that has not
	EXPECT_EQ(few.GetCount(), 41);

	XSI::CStringArray objects3D;
	objects3D.Add(XSI::si3DObjectFamily);
	EXPECT_EQ(array.Filter(L"", objects3D, L"", array), XSI::CStatus::OK);
	ASSERT_EQ(array.GetCount(), 21);
	EXPECT_EQ(array[20], mesh);
	array.Add(cns); // after the kept ones, in the room the filter left
	EXPECT_EQ(array.GetCount(), 22);
	EXPECT_EQ(array[21], cns);
	EXPECT_EQ(array.GetItem(L"mesh"), mesh);
}

// An array of references is valid only while every object it holds lives;
// finding by name skips the references gone stale.
TEST_F(RefArray, IsValidOnlyWhileEveryObjectLives_AndFindsByNameOnlyLiveOnes)
{
	XSI::CRef a = scene.AddObject(scene.Root(), L"a");
	XSI::CRef b = scene.AddObject(scene.Root(), L"b");
	XSI::CRefArray array;
	EXPECT_TRUE(array.IsValid()); // nothing in it is stale
	array.Add(a);
	array.Add(b);
	EXPECT_TRUE(array.IsValid());
	EXPECT_EQ(array.GetItem(L"b"), b);

	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(b));
	EXPECT_FALSE(array.IsValid());
	EXPECT_FALSE(static_cast<bool>(array));
	EXPECT_EQ(array.GetCount(), 2); // the stale reference stays, as a reference
	EXPECT_FALSE(array.GetItem(L"b").IsValid());
	EXPECT_EQ(array.GetItem(L"a"), a);
	EXPECT_FALSE(array.GetItem(L"nobody").IsValid());
}

using Ref = quillmere_tests::HostScene;

TEST_F(Ref, SetFindsTheObjectByTheTextItsReferenceGives)
{
	XSI::CRef model = scene.AddObject(scene.Root(), L"char", XSI::siModelID);
	XSI::CRef mesh = scene.AddObject(model, L"mesh");
	XSI::CString text = mesh.GetAsText();
	EXPECT_FALSE(text.IsEmpty());
	XSI::CRef found;
	EXPECT_EQ(found.Set(text), XSI::CStatus::OK);
	EXPECT_EQ(found, mesh);

	EXPECT_EQ(found.Set(L"char.nobody"), XSI::CStatus::InvalidArgument);
	EXPECT_FALSE(found.IsValid());
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(mesh));
	EXPECT_TRUE(mesh.GetAsText().IsEmpty());
	EXPECT_EQ(found.Set(text), XSI::CStatus::InvalidArgument);
}

} // namespace
