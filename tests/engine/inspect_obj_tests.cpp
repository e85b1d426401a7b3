// InspectObj in the engine: which property's page it shows, and what a run
// gives back for each way a modal page is closed.
#include "support/loaded_test_plugin.h"
#include "support/page_values.h"

#include "support/scripted_page_driver.h"

#include <xsi_projectitem.h>

namespace {

using quillmere_tests::Inspect;
using quillmere_tests::LoadedTestPlugin;

TEST_F(LoadedTestPlugin, InspectObjKeywords_ACustomPropertyMatchesNone)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Plain Options");
	quillmere_tests::ScriptedPageDriver page;
	host.SetPageDriver(&page);
	EXPECT_EQ(Inspect(property, L""), XSI::CStatus::OK); // empty keywords: the page shows
	EXPECT_EQ(page.Record().timesShown, 1);
	for (const wchar_t* keywords : {L"Flag", L"Plain Options", L"Kinematics,Flag"}) {
		EXPECT_NE(Inspect(property, keywords), XSI::CStatus::OK) << keywords;
	}
	EXPECT_EQ(page.Record().timesShown, 1);
}

TEST_F(LoadedTestPlugin, APropertyWithoutLayoutGetsOneItemPerParameter_TheDriverSeesOnlyWhatExists)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Plain Options");
	ASSERT_TRUE(property.IsValid());
	EXPECT_EQ(readBack.NameOf(property), L"Plain Options");
	quillmere_tests::ScriptedPageDriver page;
	bool unknownButton = true;
	bool unknownParameter = true;
	page.Do([&](host_engine::PropertyPage& p) {
		unknownButton = p.Click(L"AllOn");
		unknownParameter = p.SetValue(L"Nothing", true);
		EXPECT_TRUE(p.SetValue(L"Count", XSI::CValue(7.9)));
	});
	host.SetPageDriver(&page);
	XSI::CValueArray args(5);
	args[0] = property.GetAsText();
	args[3] = XSI::CValue(static_cast<LONG>(XSI::siModal));
	args[4] = false;
	XSI::CValue result;
	page.Answer(host_engine::PageAnswer::Cancel);
	// Cancelled without throwOnCancel: the run succeeds and gives back true.
	EXPECT_EQ(XSI::Application().ExecuteCommand(L"InspectObj", args, result), XSI::CStatus::OK);
	EXPECT_TRUE(static_cast<bool>(result));
	ASSERT_EQ(page.Record().layout.size(), 2u);
	EXPECT_EQ(page.Record().layout[0].name, L"Flag");
	EXPECT_FALSE(unknownButton);
	EXPECT_FALSE(unknownParameter);
	// Values keep their parameter's type.
	XSI::CValue count = XSI::ProjectItem(property).GetParameterValue(L"Count");
	EXPECT_EQ(count.m_t, XSI::CValue::siInt4);
	EXPECT_EQ(static_cast<LONG>(count), 7);
}

// Cancelled with throwOnCancel: the run fails, with the status each host
// reading gives. Confirmed: OK under both readings.
TEST_F(LoadedTestPlugin, ACancelledModalPageThatThrows_FailsWithTheReadingsStatus)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Plain Options");
	const std::pair<int, XSI::CStatus::Code> readings[] = {{0, XSI::CStatus::Abort}, {1, XSI::CStatus::Fail}};
	for (const auto& reading : readings) {
		host.Readings().Choose(host_engine::Reading::CancelledPage, reading.first);
		quillmere_tests::ScriptedPageDriver cancel;
		cancel.Answer(host_engine::PageAnswer::Cancel);
		host.SetPageDriver(&cancel);
		EXPECT_EQ(Inspect(property).GetCode(), reading.second);
		quillmere_tests::ScriptedPageDriver ok;
		host.SetPageDriver(&ok);
		EXPECT_EQ(Inspect(property), XSI::CStatus::OK);
	}
}

// A reference to an object that is gone: the selection's page under one host
// reading, a failed run under the other.
TEST_F(LoadedTestPlugin, InspectObjGivenAReferenceToNothing_TheSelectionOrAFailureByReading)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef selected = scene.AddProperty(scene.Root(), L"Plain Options");
	scene.Select(selected);
	XSI::CRef gone = scene.AddProperty(scene.Root(), L"Plain Options");
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(gone));
	quillmere_tests::ScriptedPageDriver page;
	host.SetPageDriver(&page);
	for (int reading : {0, 1}) {
		host.Readings().Choose(host_engine::Reading::InspectWithoutTarget, reading);
		XSI::CValueArray args(5);
		args[0] = gone;
		args[3] = XSI::CValue(static_cast<LONG>(XSI::siModal));
		args[4] = true;
		XSI::CValue result;
		XSI::CStatus status = XSI::Application().ExecuteCommand(L"InspectObj", args, result);
		EXPECT_EQ(status == XSI::CStatus::OK, reading == 0);
		EXPECT_EQ(page.Record().timesShown, 1);
		EXPECT_EQ(page.Record().propertyFullName, L"Scene_Root.Plain Options");
	}
}

} // namespace
