#include "support/host_records.h"

#include "support/host_scene.h"

#include <xsi_application.h>
#include <xsi_x3dobject.h>

#include <gtest/gtest.h>

using quillmere_tests::Deletion;
using quillmere_tests::Deletions;

namespace {

class DeleteObj : public quillmere_tests::HostScene
{
protected:
	void SetUp() override
	{
		HostScene::SetUp();
		arm = scene.AddObject(scene.Root(), L"arm_L");
		cns = scene.AddConstraint(arm, L"Position Cns", L"Position Cns");
	}
	void TearDown() override
	{
		host.Faults() = host_engine::HostFaults();
		HostScene::TearDown();
	}

	XSI::CStatus Delete(const XSI::CValue& target)
	{
		XSI::CValueArray args(1);
		args[0] = target;
		XSI::CValue result;
		return XSI::Application().ExecuteCommand(L"DeleteObj", args, result);
	}

	XSI::CRef arm;
	XSI::CRef cns;
};

TEST_F(DeleteObj, ByReference_RemovesAndRecordsOwner)
{
	EXPECT_EQ(Delete(cns), XSI::CStatus::OK);
	EXPECT_FALSE(cns.IsValid());
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Position Cns", L"Constraint", L"arm_L"}}));
}

TEST_F(DeleteObj, ByNameOrFullName)
{
	XSI::CRef notes = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	EXPECT_EQ(Delete(XSI::CValue(L"arm_L.kine.Position Cns")), XSI::CStatus::OK);
	EXPECT_EQ(Delete(XSI::CValue(L"Scene_Root.notes")), XSI::CStatus::OK);
	EXPECT_FALSE(notes.IsValid());
	EXPECT_EQ(Delete(XSI::CValue(L"arm_L")), XSI::CStatus::OK);
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Position Cns", L"Constraint", L"arm_L"},
	                                              {L"notes", L"CustomProperty", L"Scene_Root"},
	                                              {L"arm_L", L"X3DObject", L"Scene_Root"}}));
}

TEST_F(DeleteObj, WhatIsGoneOrNamesNothing_FailsAndChangesNothing)
{
	ASSERT_EQ(Delete(cns), XSI::CStatus::OK);
	size_t live = host.Scene().Objects().LiveCount();
	EXPECT_NE(Delete(cns), XSI::CStatus::OK);
	EXPECT_NE(Delete(XSI::CValue(L"arm_L.kine.Position Cns")), XSI::CStatus::OK);
	EXPECT_NE(Delete(XSI::CValue(L"nobody")), XSI::CStatus::OK);
	EXPECT_NE(Delete(XSI::CValue(L"")), XSI::CStatus::OK);
	EXPECT_NE(Delete(XSI::CValue(L"Scene_Root")), XSI::CStatus::OK); // the root is not the scene's to delete
	EXPECT_EQ(host.Scene().Objects().LiveCount(), live);
	EXPECT_EQ(host.History().Records().size(), 6u);
	EXPECT_EQ(host.History().FailedCount(), 5u);
	EXPECT_TRUE(XSI::X3DObject(arm).IsValid());
}

// A report tells what stayed from what went by slot: each call keeps the
// slot it was asked for and its owner's, whether the host removed the
// object or refused to; a call that named nothing keeps the text asked for.
TEST_F(DeleteObj, EachCallKeepsTheObjectsSlotAndItsOwners_RemovedOrRefused)
{
	XSI::CRef ori = scene.AddConstraint(arm, L"Orientation Cns");
	uint32_t cnsSlot = host.Scene().SlotOf(cns);
	uint32_t oriSlot = host.Scene().SlotOf(ori);
	host.Faults().failDelete = [oriSlot](uint32_t slot) { return slot == oriSlot; };
	EXPECT_EQ(Delete(cns), XSI::CStatus::OK);
	EXPECT_NE(Delete(ori), XSI::CStatus::OK);
	EXPECT_NE(Delete(XSI::CValue(L"nobody")), XSI::CStatus::OK);
	std::vector<host_engine::DeleteRecord> records;
	for (const host_engine::DeleteRecord& record : host.History().Records()) {
		records.push_back(record);
	}
	ASSERT_EQ(records.size(), 3u);
	const host_engine::NameTable& names = host.Scene().Objects().Names();
	EXPECT_TRUE(records[0].removed);
	EXPECT_EQ(records[0].slot, cnsSlot);
	EXPECT_EQ(records[0].ownerSlot, host.Scene().SlotOf(arm));
	EXPECT_FALSE(records[1].removed);
	EXPECT_EQ(records[1].slot, oriSlot);
	EXPECT_EQ(records[1].ownerSlot, host.Scene().SlotOf(arm));
	EXPECT_EQ(names.Text(records[1].nameId), L"Orientation Cns");
	EXPECT_EQ(names.Text(records[1].ownerNameId), L"arm_L");
	EXPECT_EQ(records[1].classId, XSI::siConstraintID);
	EXPECT_EQ(records[2].slot, host_engine::kNoSlot);
	EXPECT_EQ(records[2].ownerSlot, host_engine::kNoSlot);
	EXPECT_EQ(names.Text(records[2].nameId), L"nobody");
}

// A refused object that is still there is named in the history as it is,
// not taken for one already gone: one the host may not delete, asked for by
// reference, with or without an injected failure.
TEST_F(DeleteObj, ALiveObjectRefused_IsRecordedByItsName)
{
	struct Case {
		XSI::CRef target;
		bool injected;
		const wchar_t* name;
		XSI::siClassID classId;
	};
	uint32_t root = host.Scene().RootSlot();
	XSI::CRef application = XSI::Application().GetRef();
	for (const Case& entry : {Case{scene.Root(), false, L"Scene_Root", XSI::siModelID},
	                          Case{scene.Root(), true, L"Scene_Root", XSI::siModelID},
	                          Case{application, true, L"Application", XSI::siApplicationID}}) {
		SCOPED_TRACE(entry.name);
		bool injected = entry.injected;
		host.Faults().failDelete = [injected](uint32_t) { return injected; };
		host.History().Clear();
		EXPECT_NE(Delete(entry.target), XSI::CStatus::OK);
		ASSERT_EQ(host.History().Records().size(), 1u);
		const host_engine::DeleteRecord& record = *host.History().Records().begin();
		EXPECT_FALSE(record.removed);
		EXPECT_EQ(host.Scene().Objects().Names().Text(record.nameId), entry.name);
		EXPECT_EQ(record.classId, entry.classId);
	}
	EXPECT_EQ(host.Scene().RootSlot(), root);
	EXPECT_TRUE(XSI::X3DObject(arm).IsValid());
}

TEST_F(DeleteObj, ParentGoesWithEverythingUnderIt)
{
	XSI::CRef hand = scene.AddObject(arm, L"hand_L");
	XSI::CRef bone = scene.AddObject(hand, L"finger1", XSI::siChainBoneID);
	XSI::CRef op = scene.AddOperator(bone, L"SkeletonUpVectorOp");
	size_t before = host.Scene().Objects().LiveCount();
	EXPECT_EQ(Delete(arm), XSI::CStatus::OK);
	for (const XSI::CRef& ref : {arm, cns, hand, bone, op}) {
		EXPECT_FALSE(ref.IsValid());
	}
	// arm (+kine, cns), hand (+kine), bone (+kine, joint, op)
	EXPECT_EQ(before - host.Scene().Objects().LiveCount(), 9u);
	EXPECT_EQ(host.History().Records().size(), 1u);
	// Names under the deleted object are free again.
	XSI::CRef again = scene.AddObject(scene.Root(), L"hand_L");
	EXPECT_EQ(readBack.NameOf(again), L"hand_L");
}

// As the host's DeleteObj: given no object, or one that is gone, it takes
// the current selection.
TEST_F(DeleteObj, NoObjectOrOneGone_DeletesTheSelection)
{
	const std::vector<XSI::CValue> noObject = {XSI::CValue(), XSI::CValue(XSI::CString()), XSI::CValue(cns)};
	for (size_t i = 0; i < noObject.size(); ++i) {
		SCOPED_TRACE(i);
		host.ResetScene();
		XSI::CRef gone = scene.AddConstraint(scene.AddObject(scene.Root(), L"gone"), L"Pose Cns");
		XSI::CValue target = i == 2 ? XSI::CValue(gone) : noObject[i];
		ASSERT_EQ(Delete(gone), XSI::CStatus::OK); // now a stale reference
		host.History().Clear();
		XSI::CRef a = scene.AddObject(scene.Root(), L"a");
		XSI::CRef b = scene.AddObject(scene.Root(), L"b");
		XSI::CRef kept = scene.AddObject(scene.Root(), L"kept");
		scene.Select(a);
		scene.Select(b);
		EXPECT_EQ(Delete(target), XSI::CStatus::OK);
		EXPECT_FALSE(a.IsValid() || b.IsValid());
		EXPECT_TRUE(kept.IsValid());
		EXPECT_EQ(Deletions(),
		          (std::vector<Deletion>{{L"a", L"X3DObject", L"Scene_Root"}, {L"b", L"X3DObject", L"Scene_Root"}}));
	}
	// Nothing selected: nothing to delete, and the call fails.
	host.ResetScene();
	XSI::CValueArray none;
	XSI::CValue result;
	EXPECT_NE(XSI::Application().ExecuteCommand(L"DeleteObj", none, result), XSI::CStatus::OK);
	EXPECT_EQ(host.History().FailedCount(), 1u);
}

// Read the other way: only a missing argument means the selection; an
// empty one, "" or a reference that is gone names nothing, and fails.
TEST_F(DeleteObj, NoObjectOrOneGone_ReadAsNothing_DeletesNothing_NoArgumentStillTakesTheSelection)
{
	host.Readings().Choose(host_engine::Reading::DeleteWithoutTarget, 1);
	ASSERT_EQ(Delete(cns), XSI::CStatus::OK);
	XSI::CRef a = scene.AddObject(scene.Root(), L"a");
	scene.Select(a);
	host.History().Clear();
	for (const XSI::CValue& target : {XSI::CValue(), XSI::CValue(XSI::CString()), XSI::CValue(cns)}) {
		EXPECT_NE(Delete(target), XSI::CStatus::OK);
	}
	EXPECT_TRUE(a.IsValid());
	EXPECT_EQ(host.History().FailedCount(), 3u);

	XSI::CValueArray none;
	XSI::CValue result;
	EXPECT_EQ(XSI::Application().ExecuteCommand(L"DeleteObj", none, result), XSI::CStatus::OK);
	EXPECT_FALSE(a.IsValid());
}

TEST_F(DeleteObj, UnknownCommandFails)
{
	XSI::CValueArray args;
	XSI::CValue result;
	EXPECT_NE(XSI::Application().ExecuteCommand(L"NoSuchCommand", args, result), XSI::CStatus::OK);
	EXPECT_TRUE(host.History().Records().empty());
}

} // namespace
