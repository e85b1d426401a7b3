// The Quillmere command end to end: page, answers, removal, clean-up.
#include "support/host_records.h"
#include "support/loaded_module.h"

#include <xsi_customproperty.h>
#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

namespace {

using host_engine::PageAnswer;
using quillmere_tests::Deletion;
using quillmere_tests::Deletions;
using quillmere_tests::LogMessages;

const std::vector<std::wstring> kAllKinds = {L"Position Cns", L"Orientation Cns", L"Direction Cns", L"Pose Cns",
                                             L"Distance Cns", L"ScalingCns",      L"Symmetry Cns"};

class Command : public quillmere_tests::LoadedModule
{
protected:
	// An arm with one constraint of each kind and a bone with an up-vector operator.
	void BuildRig()
	{
		arm = scene.AddObject(scene.Root(), L"arm_L");
		for (const std::wstring& kind : kAllKinds) {
			scene.AddConstraint(arm, kind, kind);
		}
		bone = scene.AddObject(scene.Root(), L"spine1", XSI::siChainBoneID);
		scene.AddOperator(bone, L"SkeletonUpVectorOp");
		scene.Select(arm);
		scene.Select(bone);
	}

	std::vector<Deletion> RigDeletions(const std::vector<std::wstring>& kinds, bool upVector)
	{
		std::vector<Deletion> out;
		for (const std::wstring& kind : kinds) {
			out.push_back({kind, L"Constraint", L"arm_L"});
		}
		if (upVector) {
			out.push_back({L"SkeletonUpVectorOp", L"Operator", L"spine1"});
		}
		out.push_back({L"QuillmereOption", L"CustomProperty", L"Scene_Root"});
		return out;
	}

	XSI::CRef arm;
	XSI::CRef bone;
};

TEST_F(Command, Cancel_RemovesNothingButTheTemporaryProperty)
{
	BuildRig();
	page.Click(L"AllOff").Answer(PageAnswer::Cancel);
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().timesShown, 1);
	EXPECT_EQ(page.Record().title, L"QuillmereOption");
	EXPECT_EQ(Deletions(), RigDeletions({}, false));
	EXPECT_EQ(XSI::X3DObject(arm).GetKinematics().GetConstraints().GetCount(), 7);
	EXPECT_TRUE(LogMessages().empty());
	EXPECT_FALSE(readBack.Find(L"QuillmereOption").IsValid());
}

TEST_F(Command, ConfirmWithNothingSelected_PageFirstThenTheMessage)
{
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().timesShown, 1);
	EXPECT_EQ(LogMessages(), std::vector<std::wstring>{L"Please select object(s)."});
	EXPECT_EQ(Deletions(), RigDeletions({}, false));
}

TEST_F(Command, ConfirmAsOpened_RemovesEveryKindAndTheUpVectorOp)
{
	BuildRig();
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(Deletions(), RigDeletions(kAllKinds, true));
	EXPECT_EQ(host.History().FailedCount(), 0u);
}

TEST_F(Command, ConfirmAChosenSubset)
{
	BuildRig();
	page.Click(L"AllOff").Set(L"Ori", true).Set(L"Scaling", true);
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(Deletions(), RigDeletions({L"Orientation Cns", L"ScalingCns"}, false));
}

TEST_F(Command, SecondRunOpensWithEverythingOnAgain)
{
	BuildRig();
	page.Click(L"AllOff").Set(L"Pos", true);
	RunCommand();
	EXPECT_EQ(Deletions(), RigDeletions({L"Position Cns"}, false));

	quillmere_tests::ScriptedPageDriver second;
	host.SetPageDriver(&second);
	host.History().Clear();
	RunCommand();
	for (const auto& value : quillmere_tests::ByName(second.Record().openValues)) {
		EXPECT_TRUE(value.second) << std::string(value.first.begin(), value.first.end());
	}
	EXPECT_EQ(quillmere_tests::ByName(second.Record().openValues).size(), 8u);
	std::vector<std::wstring> rest(kAllKinds.begin() + 1, kAllKinds.end());
	EXPECT_EQ(Deletions(), RigDeletions(rest, true));
}

TEST_F(Command, LeftoverPropertyUnderRoot_ChoicesHonouredAndLeftoverKept)
{
	BuildRig();
	XSI::CRef leftover = scene.AddProperty(scene.Root(), L"QuillmereOption");
	XSI::CustomProperty(leftover).PutParameterValue(L"Pose", false);
	page.Click(L"AllOff").Set(L"Dir", true);
	RunCommand();

	// The page showed the new property, and only what was chosen there went.
	EXPECT_EQ(page.Record().propertyFullName, L"Scene_Root.QuillmereOption1");
	std::vector<Deletion> expected = {{L"Direction Cns", L"Constraint", L"arm_L"},
	                                  {L"QuillmereOption1", L"CustomProperty", L"Scene_Root"}};
	EXPECT_EQ(Deletions(), expected);
	ASSERT_TRUE(leftover.IsValid());
	EXPECT_FALSE(static_cast<bool>(XSI::CustomProperty(leftover).GetParameterValue(L"Pose")));
	EXPECT_TRUE(static_cast<bool>(XSI::CustomProperty(leftover).GetParameterValue(L"Pos")));
}

} // namespace
