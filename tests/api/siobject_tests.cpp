// SIObject: names as the object API reads and writes them, and the objects
// nested under one, every kind, in the order they were made.
#include "support/host_scene.h"

#include <xsi_constraint.h>
#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

#include <gtest/gtest.h>

namespace {

using XSI::CStatus;

using SIObject = quillmere_tests::HostScene;

TEST_F(SIObject, ARenamedObjectAnswersToItsNewNameOnly)
{
	XSI::CRef mesh = scene.AddObject(scene.Root(), L"mesh");
	XSI::Constraint cns(scene.AddConstraint(mesh, L"Position Cns"));
	XSI::CString before = cns.GetFullName();
	EXPECT_EQ(cns.PutName(L"Kept Position"), CStatus::OK);
	EXPECT_EQ(cns.GetName(), L"Kept Position");
	EXPECT_NE(cns.GetFullName(), before);
	XSI::CRef found;
	EXPECT_EQ(found.Set(cns.GetFullName()), CStatus::OK);
	EXPECT_EQ(found, cns.GetRef());
	EXPECT_EQ(found.Set(before), CStatus::InvalidArgument);
	XSI::CString asVariable(L"Again"); // the non-constant overload
	EXPECT_EQ(cns.PutName(asVariable), CStatus::OK);
	EXPECT_EQ(cns.GetName(), L"Again");
}

TEST_F(SIObject, NestedObjectsAreEveryChildInTheOrderMade)
{
	XSI::X3DObject mesh(scene.AddObject(scene.Root(), L"mesh"));
	XSI::CRef child = scene.AddObject(mesh.GetRef(), L"child");
	XSI::CRef op = scene.AddOperator(mesh.GetRef(), L"SomeOp");
	XSI::CRefArray nested = mesh.GetNestedObjects();
	ASSERT_EQ(nested.GetCount(), 3);
	EXPECT_EQ(nested[0], mesh.GetKinematics().GetRef());
	EXPECT_EQ(nested[1], child);
	EXPECT_EQ(nested[2], op);
	EXPECT_EQ(XSI::X3DObject().GetNestedObjects().GetCount(), 0);
}

} // namespace
