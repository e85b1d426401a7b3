// Scene objects: properties added from presets and listed, an object's
// kinematics and constraints, a bone's joint.
#include "support/host_scene.h"

#include <xsi_chainbone.h>
#include <xsi_customproperty.h>
#include <xsi_joint.h>
#include <xsi_kinematics.h>
#include <xsi_property.h>
#include <xsi_x3dobject.h>

#include <gtest/gtest.h>

namespace {

using XSI::CStatus;

using SceneObjects = quillmere_tests::HostScene;

TEST_F(SceneObjects, AnUnknownPresetMakesNoProperty_AndTheLogSaysSo)
{
	XSI::X3DObject mesh(scene.AddObject(scene.Root(), L"mesh"));
	size_t logged = host.Log().Lines().size();
	XSI::Property made = mesh.AddProperty(L"NoSuchPreset", false, L"");
	EXPECT_FALSE(made.IsValid());
	XSI::Property out;
	EXPECT_EQ(mesh.AddProperty(L"NoSuchPreset", false, L"", out), CStatus::Fail);
	EXPECT_FALSE(out.IsValid());
	EXPECT_EQ(host.Log().Lines().size(), logged + 2);
	EXPECT_EQ(host.Log().Lines().back().severity, static_cast<int>(XSI::siErrorMsg));
	EXPECT_EQ(mesh.GetProperties().GetCount(), 1); // its kinematics alone
}

TEST_F(SceneObjects, ACustomPropertyTakesTheNameGiven_AndIsListedWithTheObjectsProperties)
{
	XSI::X3DObject mesh(scene.AddObject(scene.Root(), L"mesh"));
	scene.AddConstraint(mesh.GetRef(), L"Pose Cns"); // under the kinematics: not a property of the object
	XSI::CustomProperty first;
	XSI::CustomProperty second;
	EXPECT_EQ(mesh.AddCustomProperty(L"Notes", false, first), CStatus::OK);
	EXPECT_EQ(mesh.AddCustomProperty(L"", false, second), CStatus::OK);
	EXPECT_EQ(first.GetName(), L"Notes");
	EXPECT_EQ(second.GetName(), L"CustomProperty"); // named after the preset

	XSI::CRefArray properties = mesh.GetProperties();
	ASSERT_EQ(properties.GetCount(), 3); // the kinematics is a property too
	EXPECT_EQ(properties[0], mesh.GetKinematics().GetRef());
	EXPECT_EQ(properties[1], first.GetRef());
	EXPECT_EQ(properties[2], second.GetRef());
}

TEST_F(SceneObjects, ConstraintsInTheOrderAdded_OnlyConstraints)
{
	XSI::CRef bone = scene.AddObject(scene.Root(), L"bone", XSI::siChainBoneID);
	XSI::CRef pose = scene.AddConstraint(bone, L"Pose Cns");
	XSI::CRef position = scene.AddConstraint(bone, L"Position Cns");
	XSI::CRef upVector = scene.AddOperator(bone, L"SkeletonUpVectorOp");

	XSI::CRefArray constraints = XSI::ChainBone(bone).GetKinematics().GetConstraints();
	ASSERT_EQ(constraints.GetCount(), 2);
	EXPECT_EQ(constraints[0], pose);
	EXPECT_EQ(constraints[1], position);
	XSI::Joint joint = XSI::ChainBone(bone).GetJoint();
	ASSERT_TRUE(joint.IsValid());
	XSI::CRefArray nested = joint.GetNestedObjects();
	ASSERT_EQ(nested.GetCount(), 1);
	EXPECT_EQ(nested[0], upVector);

	// An object that is no bone has no joint.
	EXPECT_FALSE(XSI::ChainBone(scene.AddObject(scene.Root(), L"mesh")).GetJoint().IsValid());
}

} // namespace
