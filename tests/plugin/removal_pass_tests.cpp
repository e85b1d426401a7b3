// The removal pass on scenes built in the host engine, judged by what the host recorded.
#include "plugin/removal_pass.h"
#include "plugin/removal_targets.h"
#include "support/host_records.h"

#include "support/host_scene.h"

#include <gtest/gtest.h>

using quillmere_tests::Deletion;
using quillmere_tests::Deletions;
using quillmere_tests::LogMessages;

namespace {

void SetAllTargets(bool on)
{
	RemovalTargets::Pos = RemovalTargets::Ori = RemovalTargets::Dir = RemovalTargets::Pose = on;
	RemovalTargets::Distance = RemovalTargets::Scaling = RemovalTargets::Symmetry = on;
	RemovalTargets::ChainUpVector = on;
}

class RemovalPass : public quillmere_tests::HostScene
{
protected:
	void SetUp() override
	{
		HostScene::SetUp();
		SetAllTargets(false);
	}
	void TearDown() override
	{
		host.Faults() = host_engine::HostFaults();
		HostScene::TearDown();
	}

	XSI::CRef Object(const std::wstring& name, XSI::siClassID classId = XSI::siX3DObjectID)
	{
		return scene.AddObject(scene.Root(), name, classId);
	}
};

TEST_F(RemovalPass, NothingToWorkOn_LogsOneMessageAndDeletesNothing)
{
	SetAllTargets(true);
	RemoveTargetsFromSelection();
	ASSERT_EQ(host.Log().Lines().size(), 1u);
	EXPECT_EQ(host.Log().Lines()[0].message, L"Please select object(s).");
	EXPECT_EQ(host.Log().Lines()[0].severity, 8);

	// A selection with objects, none of them 3D: the same one message.
	host.ResetScene();
	XSI::CRef group = Object(L"rigGroup", XSI::siGroupID);
	scene.Select(group);
	XSI::CRef prop = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	scene.Select(prop);
	RemoveTargetsFromSelection();
	EXPECT_EQ(LogMessages(), std::vector<std::wstring>{L"Please select object(s)."});
	EXPECT_TRUE(host.History().Records().empty());
}

TEST_F(RemovalPass, OnlyEnabledKindsGo_MatchedByExactName)
{
	XSI::CRef arm = Object(L"arm_L");
	scene.AddConstraint(arm, L"Position Cns", L"Position Cns");
	scene.AddConstraint(arm, L"Orientation Cns", L"Orientation Cns");
	scene.Select(arm);

	RemovalTargets::Ori = true;
	RemoveTargetsFromSelection();
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Orientation Cns", L"Constraint", L"arm_L"}}));
	EXPECT_TRUE(host.Log().Lines().empty());
}

TEST_F(RemovalPass, AllKindsOn_EachMatchGoesInHostOrder_NearMissesAndRenamedStay)
{
	XSI::CRef prop = Object(L"prop");
	const wchar_t* const names[] = {L"Symmetry Cns",  L"Scaling Cns",    L"Position Cns", L"ScalingCns",
	                                L"position Cns",  L"Position Cns1",  L"Distance Cns", L"Pose Cns",
	                                L"Direction Cns", L"Orientation Cns"};
	for (const wchar_t* name : names) {
		scene.AddConstraint(prop, name, name);
	}
	// Renamed by the user: its type is still a position constraint.
	scene.AddConstraint(prop, L"HoldCns", L"Position Cns");
	scene.Select(prop);

	SetAllTargets(true);
	RemoveTargetsFromSelection();
	std::vector<Deletion> expected = {
	    {L"Symmetry Cns", L"Constraint", L"prop"},    {L"Position Cns", L"Constraint", L"prop"},
	    {L"ScalingCns", L"Constraint", L"prop"},      {L"Distance Cns", L"Constraint", L"prop"},
	    {L"Pose Cns", L"Constraint", L"prop"},        {L"Direction Cns", L"Constraint", L"prop"},
	    {L"Orientation Cns", L"Constraint", L"prop"},
	};
	EXPECT_EQ(Deletions(), expected);
	EXPECT_EQ(host.History().Records().size(), expected.size()); // one call each, none failed
	XSI::CRefArray left = XSI::X3DObject(prop).GetKinematics().GetConstraints();
	ASSERT_EQ(left.GetCount(), 4);
	EXPECT_EQ(readBack.NameOf(left[0]), L"Scaling Cns");
	EXPECT_EQ(readBack.NameOf(left[3]), L"HoldCns");
}

TEST_F(RemovalPass, AllSwitchesOff_DeletesNothing)
{
	XSI::CRef arm = Object(L"arm_L");
	scene.AddConstraint(arm, L"Position Cns");
	XSI::CRef bone = Object(L"bone1", XSI::siChainBoneID);
	scene.AddOperator(bone, L"SkeletonUpVectorOp");
	scene.Select(arm);
	scene.Select(bone);
	RemoveTargetsFromSelection();
	EXPECT_TRUE(host.History().Records().empty());
	EXPECT_TRUE(host.Log().Lines().empty());
}

TEST_F(RemovalPass, ChainUpVector_FirstUpVectorOpOfBonesOnly_AfterTheirConstraints)
{
	XSI::CRef bone = Object(L"spine1", XSI::siChainBoneID);
	scene.AddOperator(bone, L"SkeletonPrefRotOp");
	scene.AddOperator(bone, L"SkeletonUpVectorOp");
	scene.AddOperator(bone, L"SkeletonUpVectorOp");
	scene.AddConstraint(bone, L"Direction Cns");
	// Not a chain bone: its operator of the same name stays.
	XSI::CRef effector = Object(L"spineEff", XSI::siChainEffectorID);
	scene.AddOperator(effector, L"SkeletonUpVectorOp");
	scene.Select(bone);
	scene.Select(effector);

	RemovalTargets::ChainUpVector = true;
	RemovalTargets::Dir = true;
	RemoveTargetsFromSelection();
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Direction Cns", L"Constraint", L"spine1"},
	                                              {L"SkeletonUpVectorOp", L"Operator", L"spine1"}}));
	XSI::CRefArray nested = XSI::ChainBone(bone).GetJoint().GetNestedObjects();
	ASSERT_EQ(nested.GetCount(), 2);
	EXPECT_EQ(readBack.NameOf(nested[0]), L"SkeletonPrefRotOp");
	EXPECT_EQ(readBack.NameOf(nested[1]), L"SkeletonUpVectorOp");
	EXPECT_EQ(XSI::X3DObject(effector).GetNestedObjects().GetCount(), 2); // kinematics and its operator
}

TEST_F(RemovalPass, ChainUpVector_ANonOperatorOfTheSameNameIsPassedOver_TheOperatorAfterItGoes)
{
	XSI::CRef bone = Object(L"spine1", XSI::siChainBoneID);
	XSI::CRef joint = XSI::ChainBone(bone).GetJoint().GetRef();
	XSI::CRef lookalike = scene.AddProperty(joint, L"CustomProperty", L"SkeletonUpVectorOp");
	XSI::CRef op = scene.AddOperator(bone, L"SkeletonUpVectorOp");
	ASSERT_TRUE(lookalike.IsValid());
	scene.Select(bone);
	RemovalTargets::ChainUpVector = true;
	RemoveTargetsFromSelection();
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"SkeletonUpVectorOp", L"Operator", L"spine1"}}));
	EXPECT_TRUE(lookalike.IsValid());
	EXPECT_FALSE(op.IsValid());
}

TEST_F(RemovalPass, ChainUpVectorOff_BonesStillLoseTheirConstraints)
{
	XSI::CRef bone = Object(L"spine1", XSI::siChainBoneID);
	scene.AddOperator(bone, L"SkeletonUpVectorOp");
	scene.AddConstraint(bone, L"Pose Cns");
	scene.Select(bone);
	SetAllTargets(true);
	RemovalTargets::ChainUpVector = false;
	RemoveTargetsFromSelection();
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Pose Cns", L"Constraint", L"spine1"}}));
}

TEST_F(RemovalPass, ObjectsAreTreatedInSelectionOrder_NonObjectsSkipped)
{
	XSI::CRef a = Object(L"a");
	XSI::CRef b = Object(L"b");
	XSI::CRef nested = scene.AddObject(a, L"a_child");
	for (const XSI::CRef& object : {a, b, nested}) {
		scene.AddConstraint(object, L"Position Cns");
	}
	scene.Select(nested);
	scene.Select(Object(L"group", XSI::siGroupID));
	scene.Select(b);
	scene.Select(a);
	RemovalTargets::Pos = true;
	RemoveTargetsFromSelection();
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Position Cns", L"Constraint", L"a_child"},
	                                              {L"Position Cns", L"Constraint", L"b"},
	                                              {L"Position Cns", L"Constraint", L"a"}}));
}

TEST_F(RemovalPass, AnObjectGoneInTheMiddleOfTheWalk_IsSkipped_TheOnesAfterItAreStillTreated)
{
	XSI::CRef a = Object(L"a");
	XSI::CRef b = Object(L"b");
	XSI::CRef c = Object(L"c");
	for (const XSI::CRef& object : {a, b, c}) {
		scene.AddConstraint(object, L"Pose Cns");
		scene.Select(object);
	}
	// Another hand deletes b while a's constraint goes: b is listed, then invalid.
	host.Faults().beforeCommand = [b, &h = host](std::wstring_view) {
		if (b.IsValid()) {
			h.Scene().Objects().DestroySubtree(h.Scene().SlotOf(b));
		}
	};
	RemovalTargets::Pose = true;
	RemoveTargetsFromSelection();
	EXPECT_EQ(Deletions(),
	          (std::vector<Deletion>{{L"Pose Cns", L"Constraint", L"a"}, {L"Pose Cns", L"Constraint", L"c"}}));
	EXPECT_TRUE(host.Log().Lines().empty());
}

} // namespace
