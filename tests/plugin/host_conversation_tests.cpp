// What the plug-in asks of the host, call by call, as the host's journal
// records it: the conversation the removal's results alone can't show. Run
// under every reading of what the host leaves open.
#include "support/each_reading.h"
#include "support/host_records.h"
#include "support/loaded_module.h"

#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

#include <algorithm>

namespace {

using quillmere_tests::Calls;
using quillmere_tests::Deletion;
using quillmere_tests::Deletions;

const std::vector<std::wstring> kAllKinds = {L"Position Cns", L"Orientation Cns", L"Direction Cns", L"Pose Cns",
                                             L"Distance Cns", L"ScalingCns",      L"Symmetry Cns"};
// The order the parameters are added, read and written in.
const std::vector<std::string> kParameterOrder = {"Pos",      "Dir",     "Ori",      "Pose",
                                                  "Distance", "Scaling", "Symmetry", "ChainUpVector"};
const char* const kTime = "1.7976931348623157e+308";

class HostConversation : public quillmere_tests::LoadedModule,
                         public ::testing::WithParamInterface<host_engine::HostReadings>
{
protected:
	void SetUp() override
	{
		LoadedModule::SetUp();
		host.Readings() = GetParam();
		arm = scene.AddObject(scene.Root(), L"arm_L");
		for (const std::wstring& kind : kAllKinds) {
			scene.AddConstraint(arm, kind);
		}
		bone = scene.AddObject(scene.Root(), L"spine1", XSI::siChainBoneID);
		scene.AddOperator(bone, L"SkeletonUpVectorOp");
		scene.Select(arm);
		scene.Select(bone);
		host.Journal().Clear();
		host.Journal().Start();
	}

	void TearDown() override
	{
		host.Journal().Stop();
		host.Journal().Clear();
		LoadedModule::TearDown();
	}

	// Inspects `property` modally, as the command does.
	void Inspect(const XSI::CRef& property)
	{
		XSI::CValueArray args(5);
		args[0] = property.GetAsText();
		args[1] = XSI::CString();
		args[3] = XSI::CValue(static_cast<LONG>(XSI::siModal));
		args[4] = true;
		XSI::CValue result;
		XSI::Application().ExecuteCommand(L"InspectObj", args, result);
	}

	// A property under the root, as the journal names it under this reading.
	std::string RootProperty(const std::string& name) const
	{
		return GetParam().RootPropertiesNamedFromRoot() ? "Scene_Root." + name : name;
	}

	XSI::CRef arm;
	XSI::CRef bone;
};

bool Contains(const std::vector<std::string>& calls, const std::string& text)
{
	return std::any_of(calls.begin(), calls.end(),
	                   [&](const std::string& call) { return call.find(text) != std::string::npos; });
}

TEST_P(HostConversation, Cancel_NoParameterIsReadAndOnlyThePropertyGoes_WithEverySwitchOn)
{
	// Nothing switched off on the page: a Cancel taken as OK would delete everything.
	page.Answer(host_engine::PageAnswer::Cancel);
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_TRUE(Calls("ProjectItem.GetParameterValue").empty());
	EXPECT_TRUE(Calls("Application.GetSelection").empty());
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"QuillmereOption", L"CustomProperty", L"Scene_Root"}}));
	EXPECT_EQ(XSI::X3DObject(arm).GetKinematics().GetConstraints().GetCount(), 7);
}

TEST_P(HostConversation, ThePageIsGivenTheNewPropertyItself_WithNoKeywords_AddedWithoutBranch)
{
	RunCommand();
	EXPECT_EQ(Calls("SceneItem.AddProperty"),
	          std::vector<std::string>{"SceneItem.AddProperty Scene_Root [\"QuillmereOption\", false, \"\"]"});
	EXPECT_EQ(Calls("Application.ExecuteCommand").front(), "Application.ExecuteCommand InspectObj [{\"ref\": \"" +
	                                                           RootProperty("QuillmereOption") +
	                                                           "\"}, \"\", \"QuillmereOption\", 4, true]");
	EXPECT_EQ(page.Record().timesShown, 1);
}

TEST_P(HostConversation, TheLayoutIsClearedBeforeItIsBuilt_SoASecondInspectionShowsEachItemOnce)
{
	XSI::CRef property = scene.AddProperty(scene.Root(), L"QuillmereOption");
	Inspect(property);
	std::vector<std::string> layoutCalls;
	for (const std::string& call : Calls()) {
		if (call.rfind("PPGLayout.", 0) == 0) {
			layoutCalls.push_back(call);
		}
	}
	ASSERT_FALSE(layoutCalls.empty());
	EXPECT_EQ(layoutCalls.front(), "PPGLayout.Clear PPGLayout");
	// The property keeps its layout: without the Clear, every item twice.
	Inspect(property);
	EXPECT_EQ(page.Record().timesShown, 2);
	EXPECT_EQ(page.Record().layout.size(), 15u);
}

TEST_P(HostConversation, ButtonClicksWriteTheParametersInParameterOrder)
{
	page.Click(L"AllOff").Click(L"AllOn").Click(L"AllToggle").Answer(host_engine::PageAnswer::Cancel);
	RunCommand();
	std::vector<std::string> expected;
	for (const char* value : {"false", "true"}) {
		for (const std::string& name : kParameterOrder) {
			expected.push_back("ProjectItem.PutParameterValue " + RootProperty("QuillmereOption") + " [\"" + name +
			                   "\", " + value + ", " + kTime + "]");
		}
	}
	for (const std::string& name : kParameterOrder) {
		expected.push_back("ProjectItem.GetParameterValue " + RootProperty("QuillmereOption") + " [\"" + name + "\", " +
		                   kTime + "]");
		expected.push_back("ProjectItem.PutParameterValue " + RootProperty("QuillmereOption") + " [\"" + name +
		                   "\", false, " + kTime + "]");
	}
	std::vector<std::string> written;
	for (const std::string& call : Calls()) {
		if (call.find("ParameterValue") != std::string::npos) {
			written.push_back(call);
		}
	}
	EXPECT_EQ(written, expected);
}

TEST_P(HostConversation, TheBoneTestAsksTheReference_AndNoClassNameIsReadWhenTheUpVectorSwitchIsOff)
{
	page.Set(L"ChainUpVector", false);
	RunCommand();
	EXPECT_FALSE(Contains(Calls(), "GetClassIDName"));
	bool bonesAre3D = GetParam().ChainElementsAre3DObjects();
	EXPECT_EQ(Deletions().size(), kAllKinds.size() + 1); // every constraint, then the property

	host.Journal().Clear();
	quillmere_tests::ScriptedPageDriver allOn;
	host.SetPageDriver(&allOn);
	RunCommand();
	EXPECT_FALSE(Contains(Calls(), "CBase.GetClassIDName"));
	// Where chain elements are not 3D objects the bone is not among the
	// selected ones, and keeps its operator.
	EXPECT_EQ(Contains(Calls(), "CRef.GetClassIDName spine1"), bonesAre3D);
	EXPECT_EQ(Contains(Calls(), "DeleteObj [{\"ref\": \"spine1.Joint.SkeletonUpVectorOp\"}]"), bonesAre3D);
}

TEST_P(HostConversation, ALeftoverPropertyOfTheSameName_TheRunShowsReadsAndDeletesOnlyItsOwn)
{
	// One left by an interrupted run, with other answers than the defaults.
	XSI::CRef leftover = scene.AddProperty(scene.Root(), L"QuillmereOption");
	page.Click(L"AllOff");
	RunCommand();
	// The host numbers the new one, or gives it the same name.
	std::string own = GetParam().TakenPropertyNameNumbered() ? "QuillmereOption1" : "QuillmereOption";
	EXPECT_EQ(Calls().back(), "Application.ExecuteCommand DeleteObj [{\"ref\": \"" + RootProperty(own) + "\"}]");
	EXPECT_TRUE(leftover.IsValid());
	EXPECT_EQ(Deletions(),
	          (std::vector<Deletion>{{XSI::CString(own.c_str()).GetWideString(), L"CustomProperty", L"Scene_Root"}}));
	for (const std::string& call : Calls("ProjectItem.GetParameterValue")) {
		EXPECT_EQ(call.find("ProjectItem.GetParameterValue " + RootProperty(own) + " "), 0u) << call;
	}
	// Undone, the scene is as it was: the leftover found by its name again.
	ASSERT_TRUE(host.UndoSteps().Undo());
	EXPECT_EQ(readBack.Find(L"QuillmereOption"), leftover);
}

QUILLMERE_UNDER_EACH_READING(HostConversation);

} // namespace
