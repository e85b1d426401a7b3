// Undo: a top-level command run is one step, and undoing it puts back exactly what was.
#include "support/host_records.h"

#include "support/host_scene.h"

#include <xsi_application.h>
#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

#include <gtest/gtest.h>

namespace {

class Undo : public quillmere_tests::HostScene
{
protected:
	void SetUp() override
	{
		HostScene::SetUp();
		arm = scene.AddObject(scene.Root(), L"arm");
		for (const wchar_t* name : {L"Position Cns", L"Pose Cns", L"Orientation Cns"}) {
			constraints.push_back(scene.AddConstraint(arm, name));
		}
	}
	void TearDown() override { host.Commands().Unregister(L"Batch"); }

	// A command that runs DeleteObj on each target, as a plug-in command would.
	void RegisterBatch(std::vector<XSI::CValue> targets)
	{
		host.Commands().Register(L"Batch", [targets](XSI::CValueArray&, XSI::CValue&) {
			for (const XSI::CValue& target : targets) {
				XSI::CValueArray args(1);
				args[0] = target;
				XSI::CValue ignored;
				XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored);
			}
			return XSI::CStatus(XSI::CStatus::OK);
		});
	}

	std::vector<std::wstring> ConstraintNames()
	{
		std::vector<std::wstring> names;
		XSI::CRefArray list = XSI::X3DObject(arm).GetKinematics().GetConstraints();
		for (LONG i = 0; i < list.GetCount(); ++i) {
			names.push_back(readBack.NameOf(list[i]));
		}
		return names;
	}

	XSI::CStatus Run(const wchar_t* command)
	{
		XSI::CValueArray args;
		XSI::CValue result;
		return XSI::Application().ExecuteCommand(command, args, result);
	}

	XSI::CRef arm;
	std::vector<XSI::CRef> constraints;
};

TEST_F(Undo, ACommandRunIsOneStep_PutsObjectsBackInPlaceWithTheirHandles)
{
	std::vector<std::wstring> before = ConstraintNames();
	size_t live = host.Scene().Objects().LiveCount();
	RegisterBatch({constraints[1], constraints[0], XSI::CValue(L"arm")});
	ASSERT_EQ(Run(L"Batch"), XSI::CStatus::OK);
	EXPECT_FALSE(arm.IsValid());
	EXPECT_EQ(host.UndoSteps().Depth(), 1u);

	ASSERT_TRUE(host.UndoSteps().Undo());
	EXPECT_EQ(ConstraintNames(), before);
	EXPECT_EQ(host.Scene().Objects().LiveCount(), live);
	for (const XSI::CRef& ref : constraints) {
		EXPECT_TRUE(ref.IsValid());
	}
	EXPECT_EQ(readBack.Find(L"arm"), arm); // found by name again
	EXPECT_FALSE(host.UndoSteps().Undo()); // nothing left to undo
}

TEST_F(Undo, WhatTheRunCreatedIsRemoved_FailedRunsLeaveNoStep)
{
	host.Commands().Register(L"Batch", [this](XSI::CValueArray&, XSI::CValue&) {
		XSI::CRef made = scene.AddProperty(scene.Root(), L"CustomProperty", L"temp");
		XSI::CValueArray args(1);
		args[0] = constraints[2];
		XSI::CValue ignored;
		XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored);
		return XSI::CStatus(made.IsValid() ? XSI::CStatus::OK : XSI::CStatus::Fail);
	});
	ASSERT_EQ(Run(L"Batch"), XSI::CStatus::OK);
	ASSERT_TRUE(host.UndoSteps().Undo());
	EXPECT_FALSE(readBack.Find(L"temp").IsValid());
	EXPECT_EQ(ConstraintNames().size(), 3u);

	// A deletion that changes nothing leaves nothing to undo.
	XSI::CValueArray args(1);
	args[0] = XSI::CValue(L"nobody");
	XSI::CValue ignored;
	XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored);
	EXPECT_EQ(host.UndoSteps().Depth(), 0u);
}

TEST_F(Undo, OldStepsAreDroppedAndTheirObjectsFreed)
{
	for (int i = 0; i < 60; ++i) {
		XSI::CRef object = scene.AddObject(scene.Root(), L"o" + std::to_wstring(i));
		XSI::CValueArray args(1);
		args[0] = object;
		XSI::CValue ignored;
		XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored);
	}
	EXPECT_EQ(host.UndoSteps().Depth(), 50u);
	size_t undone = 0;
	while (host.UndoSteps().Undo()) {
		++undone;
	}
	EXPECT_EQ(undone, 50u);
	EXPECT_FALSE(readBack.Find(L"o9").IsValid()); // dropped with the oldest steps
	EXPECT_TRUE(readBack.Find(L"o10").IsValid());
}

} // namespace

namespace {

TEST_F(Undo, ASceneResetInsideARun_LeavesNoStep_AndTheNextRunUndoesAsEver)
{
	host.Commands().Register(L"Batch", [this](XSI::CValueArray&, XSI::CValue&) {
		XSI::CValueArray args(1);
		args[0] = constraints[0];
		XSI::CValue ignored;
		XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored);
		host.ResetScene();
		XSI::CRef late = scene.AddObject(scene.Root(), L"late");
		args[0] = late;
		XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored); // no step to hold it: gone for good
		return XSI::CStatus(XSI::CStatus::OK);
	});
	ASSERT_EQ(Run(L"Batch"), XSI::CStatus::OK);
	EXPECT_EQ(host.UndoSteps().Depth(), 0u);
	EXPECT_FALSE(readBack.Find(L"late").IsValid());

	host.Commands().Unregister(L"Batch");
	XSI::CRef again = scene.AddObject(scene.Root(), L"again");
	RegisterBatch({again});
	ASSERT_EQ(Run(L"Batch"), XSI::CStatus::OK);
	ASSERT_TRUE(host.UndoSteps().Undo());
	EXPECT_TRUE(again.IsValid());
}

TEST_F(Undo, WhatAnotherHandRemovedForGoodStaysGone_NoCrash)
{
	RegisterBatch({constraints[0]});
	ASSERT_EQ(Run(L"Batch"), XSI::CStatus::OK);
	// Its old neighbour goes for good, and a newcomer may take the freed slot.
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(constraints[1]));
	scene.AddConstraint(arm, L"Newcomer");
	ASSERT_TRUE(host.UndoSteps().Undo());
	EXPECT_EQ(ConstraintNames(), (std::vector<std::wstring>{L"Orientation Cns", L"Newcomer", L"Position Cns"}));

	// Undoing into a parent that was destroyed for good frees the subtree instead.
	host.Commands().Unregister(L"Batch");
	RegisterBatch({constraints[2]});
	ASSERT_EQ(Run(L"Batch"), XSI::CStatus::OK);
	size_t live = host.Scene().Objects().LiveCount();
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(arm));
	EXPECT_TRUE(host.UndoSteps().Undo());
	EXPECT_FALSE(constraints[2].IsValid());
	// arm, its kinematics and its two constraints left; the one the step
	// held is freed, not counted among the living.
	EXPECT_EQ(host.Scene().Objects().LiveCount(), live - 4);
}

} // namespace
