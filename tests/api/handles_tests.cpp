// Object handles: binding to compatible classes only, never dangling, and
// the names they read back.
#include "support/host_scene.h"

#include <xsi_chainbone.h>
#include <xsi_constraint.h>
#include <xsi_joint.h>
#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

#include "engine/plugin_fault.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Handles = quillmere_tests::HostScene;

TEST_F(Handles, BindOnlyToTheirClassOrDerived)
{
	XSI::CRef bone = scene.AddObject(scene.Root(), L"bone", XSI::siChainBoneID);
	XSI::CRef mesh = scene.AddObject(scene.Root(), L"mesh");
	XSI::CRef cns = scene.AddConstraint(mesh, L"Position Cns");

	EXPECT_TRUE(XSI::X3DObject(bone).IsValid());
	EXPECT_FALSE(XSI::ChainBone(mesh).IsValid());
	EXPECT_FALSE(XSI::X3DObject(cns).IsValid());
	EXPECT_TRUE(XSI::Constraint(cns).IsValid());

	XSI::X3DObject assigned;
	assigned = cns; // incompatible: left empty
	EXPECT_FALSE(assigned.IsValid());
}

TEST_F(Handles, AHandleNamesItsApiClass_AReferenceTheObjectsOwnClass)
{
	XSI::CRef bone = scene.AddObject(scene.Root(), L"bone", XSI::siChainBoneID);
	XSI::CRef group = scene.AddObject(scene.Root(), L"rig", XSI::siGroupID);
	XSI::CRef cns = scene.AddConstraint(bone, L"Position Cns");

	EXPECT_EQ(bone.GetClassIDName(), L"ChainBone");
	EXPECT_EQ(cns.GetClassIDName(), L"Constraint");
	EXPECT_EQ(group.GetClassID(), 68); // siGroupID; 67 is the cluster's
	EXPECT_EQ(group.GetClassIDName(), L"Group");
	EXPECT_EQ(XSI::CRef().GetClassIDName(), L"");

	XSI::X3DObject boneAsObject(bone);
	EXPECT_EQ(boneAsObject.GetClassIDName(), L"X3DObject");
	EXPECT_EQ(boneAsObject.GetRef().GetClassIDName(), L"ChainBone");
	EXPECT_EQ(XSI::ChainBone(bone).GetClassIDName(), L"ChainBone");
	EXPECT_EQ(XSI::X3DObject().GetClassIDName(), L"X3DObject"); // empty, and still its class

	// The other reading, after one printed example: a handle answers for what it holds.
	host.Readings().Choose(host_engine::Reading::HandleClass, 1);
	EXPECT_EQ(boneAsObject.GetClassIDName(), L"ChainBone");
	EXPECT_EQ(XSI::X3DObject().GetClassIDName(), L"");
}

TEST_F(Handles, StaleHandlesAnswerEmptyForTheirObject_TheirOwnClassStays)
{
	XSI::CRef bone = scene.AddObject(scene.Root(), L"bone", XSI::siChainBoneID);
	scene.AddOperator(bone, L"SkeletonUpVectorOp");
	scene.AddConstraint(bone, L"Pose Cns");
	XSI::ChainBone handle(bone);
	XSI::Kinematics kinematics = handle.GetKinematics();
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(bone));

	EXPECT_FALSE(handle.IsValid());
	EXPECT_TRUE(handle.GetName().IsEmpty());
	EXPECT_TRUE(handle.GetFullName().IsEmpty());
	EXPECT_EQ(handle.GetRef().GetClassIDName(), L"");
	// The handle's API class is the handle's, not its object's (our reading
	// of "the type of the API class" for a handle whose object is gone).
	EXPECT_EQ(handle.GetClassIDName(), L"ChainBone");
	EXPECT_FALSE(handle.GetKinematics().IsValid());
	EXPECT_FALSE(handle.GetJoint().IsValid());
	EXPECT_EQ(handle.GetNestedObjects().GetCount(), 0);
	EXPECT_EQ(kinematics.GetConstraints().GetCount(), 0);
	EXPECT_NE(handle.PutName(L"x"), XSI::CStatus::OK);
	EXPECT_TRUE(handle.GetParameterValue(L"anything").IsEmpty());

	// The freed slot is reused, but the old handle stays stale: never equal
	// to the object now in its slot, asked with == as with !=, as a
	// reference or as a handle of the same class.
	XSI::CRef newcomer = scene.AddObject(scene.Root(), L"newcomer0", XSI::siChainBoneID);
	for (int made = 1;
	     made < 8 && host_engine::Scene::HandleOf(newcomer).slot != host_engine::Scene::HandleOf(bone).slot; ++made) {
		newcomer = scene.AddObject(scene.Root(), L"newcomer" + std::to_wstring(made), XSI::siChainBoneID);
	}
	ASSERT_EQ(host_engine::Scene::HandleOf(newcomer).slot, host_engine::Scene::HandleOf(bone).slot)
	    << "no new object took the freed slot";
	EXPECT_TRUE(newcomer.IsValid());
	EXPECT_FALSE(bone.IsValid());
	EXPECT_NE(bone, newcomer);
	EXPECT_FALSE(bone == newcomer);
	EXPECT_FALSE(newcomer == bone);
	XSI::ChainBone newcomerHandle(newcomer);
	EXPECT_FALSE(handle == newcomerHandle);
	EXPECT_TRUE(handle != newcomerHandle);
	// Each still equals itself.
	EXPECT_TRUE(bone == XSI::CRef(bone));
	EXPECT_TRUE(handle == XSI::ChainBone(handle));
}

// The host documents no answer for an index outside an array or a text: a
// plug-in making such a call would crash it or read what is not there. The
// stand-in ends the call, naming it, so that no such fault passes unseen.
TEST_F(Handles, AnIndexOutsideAHostArrayOrText_IsAPluginFaultNamingTheCall)
{
	XSI::CRefArray refs(2);
	XSI::CValueArray values(2);
	XSI::CStringArray texts(2);
	const XSI::CRefArray& constRefs = refs;
	const XSI::CValueArray& constValues = values;
	const XSI::CStringArray& constTexts = texts;
	XSI::CString abc(L"abc");
	struct Case {
		const char* call;
		std::function<void()> make;
	};
	const Case cases[] = {
	    {"CRefArray::operator[]: index 2 is outside the 2 items", [&] { refs[2]; }},
	    {"CRefArray::operator[]: index -1 is outside the 2 items", [&] { constRefs[-1]; }},
	    {"CRefArray::GetItem: index 2 is outside the 2 items", [&] { refs.GetItem(2); }},
	    {"CRefArray::operator[]: index 0 is outside the 0 items", [] { XSI::CRefArray()[0]; }},
	    {"CValueArray::operator[]: index 2 is outside the 2 items", [&] { values[2] = true; }},
	    {"CValueArray::operator[]: index -1 is outside the 2 items", [&] { constValues[-1]; }},
	    {"CStringArray::operator[]: index 5 is outside the 2 items", [&] { texts[5] = L"nowhere"; }},
	    {"CStringArray::operator[]: index -2 is outside the 2 items", [&] { constTexts[-2]; }},
	    {"CString::operator[]: index 3 is outside the 3 characters", [&] { abc[3]; }},
	    {"CString::GetSubString: index 4 is outside the 4 start places", [&] { abc.GetSubString(4); }},
	    {"CString::FindString: index 9 is outside the 4 start places", [&] { abc.FindString(L"c", 9); }},
	};
	for (const Case& c : cases) {
		try {
			c.make();
			ADD_FAILURE() << "answered as if defined: " << c.call;
		} catch (const host_engine::PluginFault& fault) {
			EXPECT_EQ(std::string(fault.what()).rfind(c.call, 0), 0u) << fault.what();
		}
	}
	// Nothing was written anywhere by the calls refused.
	EXPECT_EQ(refs.GetCount(), 2);
	EXPECT_TRUE(values[1].IsEmpty());
	EXPECT_TRUE(texts[1].IsEmpty());
	// Up to the edges, each is defined.
	EXPECT_FALSE(refs[1].IsValid());
	EXPECT_EQ(abc[2], L'c');
	EXPECT_TRUE(abc.GetSubString(3).IsEmpty());
	EXPECT_EQ(abc.FindString(L"", 3), 3u);
}

// Names a pass asks for again share one text; every answer must still be
// the object's own, and outlive the scene it came from.
TEST_F(Handles, NamesReadBackAsTheObjectsOwn_AndOutliveTheirScene)
{
	std::vector<XSI::CRef> objects;
	for (int i = 0; i < 200; ++i) {
		XSI::CRef object = scene.AddObject(scene.Root(), L"object" + std::to_wstring(i));
		scene.AddConstraint(object, i % 2 ? L"Position Cns" : L"Pose Cns");
		objects.push_back(object);
	}
	std::vector<XSI::CString> kept;
	for (int pass = 0; pass < 2; ++pass) {
		for (size_t i = 0; i < objects.size(); i += 1 + static_cast<size_t>(pass) * 6) {
			XSI::X3DObject object(objects[i]);
			EXPECT_EQ(object.GetName(), (L"object" + std::to_wstring(i)).c_str());
			XSI::CRefArray constraints = object.GetKinematics().GetConstraints();
			ASSERT_EQ(constraints.GetCount(), 1);
			XSI::CString name = XSI::Constraint(constraints[0]).GetName();
			EXPECT_EQ(name, i % 2 ? L"Position Cns" : L"Pose Cns");
			kept.push_back(name);
		}
	}
	XSI::CString renamed = XSI::X3DObject(objects[3]).GetName();
	XSI::X3DObject(objects[3]).PutName(L"moved");
	EXPECT_EQ(renamed, L"object3");
	EXPECT_EQ(XSI::X3DObject(objects[3]).GetName(), L"moved");

	host.ResetScene(); // the scene's names go
	EXPECT_EQ(kept.front(), L"Pose Cns");
	EXPECT_EQ(kept[1], L"Position Cns");
	EXPECT_EQ(renamed, L"object3");
}

} // namespace
