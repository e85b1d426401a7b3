// Loading plug-ins the way the host does, with a small test plug-in.
#include "support/host_records.h"
#include "support/host_scene.h"
#include "support/page_values.h"

#include "engine/plugin_host.h"

#include <xsi_application.h>
#include <xsi_projectitem.h>

#include <cstdlib>

namespace {

using quillmere_tests::LogMessages;

class PluginHost : public quillmere_tests::HostScene
{
protected:
	void TearDown() override
	{
		host.SetPageDriver(nullptr);
		host.Plugins().UnloadAll();
	}

	host_engine::LoadedPlugin* Load()
	{
		std::string error;
		host_engine::LoadedPlugin* plugin = host.Plugins().Load(TEST_PLUGIN_PATH, &error);
		EXPECT_NE(plugin, nullptr) << error;
		return plugin;
	}
};

TEST_F(PluginHost, CallbacksAreFoundByTheItemNameWithoutBlanks)
{
	EXPECT_EQ(host_engine::CallbackName(L"Say Hello", "Execute"), "SayHello_Execute");
	host_engine::LoadedPlugin* plugin = Load();
	ASSERT_NE(plugin, nullptr);
	EXPECT_EQ(plugin->name, L"Test Plug-in");
	EXPECT_EQ(plugin->versionMajor, 2);
	XSI::CValueArray args;
	XSI::CValue result;
	EXPECT_EQ(XSI::Application().ExecuteCommand(L"SayHello", args, result), XSI::CStatus::OK);
	EXPECT_EQ(LogMessages(), std::vector<std::wstring>{L"hello"});
	// The script name runs it, not the callback name.
	EXPECT_NE(XSI::Application().ExecuteCommand(L"Say Hello", args, result), XSI::CStatus::OK);
}

TEST_F(PluginHost, UnloadCallsTheUnloadCallbackAndRemovesTheCommands)
{
	ASSERT_NE(Load(), nullptr);
	host.Plugins().UnloadAll();
	EXPECT_EQ(LogMessages(), std::vector<std::wstring>{L"unloaded"});
	EXPECT_FALSE(host.HasCommand(L"SayHello"));
}

TEST_F(PluginHost, AFailedLoadLeavesNothingRegistered)
{
	setenv("TEST_PLUGIN_FAIL_LOAD", "1", 1);
	std::string error;
	EXPECT_EQ(host.Plugins().Load(TEST_PLUGIN_PATH, &error), nullptr);
	unsetenv("TEST_PLUGIN_FAIL_LOAD");
	EXPECT_NE(error.find("XSILoadPlugin failed"), std::string::npos) << error;
	EXPECT_TRUE(host.Plugins().Loaded().empty());
	EXPECT_FALSE(host.HasCommand(L"SayHello"));
	EXPECT_FALSE(scene.AddProperty(scene.Root(), L"Plain Options").IsValid());
}

// Shows `property`'s page modally with `keywords`; the status of InspectObj.
XSI::CStatus Inspect(const XSI::CRef& property, const wchar_t* keywords = L"")
{
	XSI::CValueArray args(5);
	args[0] = property.GetAsText();
	args[1] = XSI::CString(keywords);
	args[3] = XSI::CValue(static_cast<LONG>(XSI::siModal));
	args[4] = true;
	XSI::CValue result;
	return XSI::Application().ExecuteCommand(L"InspectObj", args, result);
}

TEST_F(PluginHost, InspectObjKeywords_ACustomPropertyMatchesNone)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Plain Options");
	host_engine::ScriptedPageDriver page;
	host.SetPageDriver(&page);
	EXPECT_EQ(Inspect(property, L""), XSI::CStatus::OK); // "" clears the filter
	EXPECT_EQ(page.Record().timesShown, 1);
	for (const wchar_t* keywords : {L"Flag", L"Plain Options", L"Kinematics,Flag"}) {
		EXPECT_NE(Inspect(property, keywords), XSI::CStatus::OK) << keywords;
	}
	EXPECT_EQ(page.Record().timesShown, 1);
}

TEST_F(PluginHost, APropertysLayoutLivesBetweenInspections)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Growing Page");
	XSI::CRef other = scene.AddProperty(scene.Root(), L"Growing Page");
	host_engine::ScriptedPageDriver page;
	host.SetPageDriver(&page);
	ASSERT_EQ(Inspect(property), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().layout.size(), 1u);
	// Its layout callback adds to what the property kept: the item twice.
	ASSERT_EQ(Inspect(property), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().layout.size(), 2u);
	// Another instance keeps a layout of its own.
	ASSERT_EQ(Inspect(other), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().layout.size(), 1u);
}

TEST_F(PluginHost, ExceptionsEscapingAPlugin_StopAtTheHost)
{
	std::string error;
	EXPECT_EQ(host.Plugins().Load(PLUGIN_THROWS_ON_LOAD_PATH, &error), nullptr);
	EXPECT_NE(error.find("XSILoadPlugin threw an exception: no registration today"), std::string::npos) << error;
	EXPECT_TRUE(host.Plugins().Loaded().empty());

	ASSERT_NE(host.Plugins().Load(PLUGIN_THROWS_IN_COMMAND_PATH, &error), nullptr) << error;
	XSI::CValueArray args;
	XSI::CValue result;
	EXPECT_NE(XSI::Application().ExecuteCommand(L"Quillmere", args, result), XSI::CStatus::OK);
	ASSERT_EQ(host.Log().Lines().size(), 1u);
	EXPECT_EQ(host.Log().Lines()[0].message, L"Quillmere_Execute threw an exception: the command broke");
	EXPECT_EQ(host.Log().Lines()[0].severity, XSI::siErrorMsg);
}

TEST_F(PluginHost, TheJournalHoldsThePluginsCallsOnly_AndOnlyWhileStarted)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CValueArray args;
	XSI::CValue result;
	XSI::Application().ExecuteCommand(L"SayHello", args, result); // before the journal starts
	host.Journal().Start();
	XSI::Application().LogMessage(L"from the host's side"); // not the plug-in's call
	XSI::Application().ExecuteCommand(L"SayHello", args, result);
	host.Journal().Stop();
	XSI::Application().ExecuteCommand(L"SayHello", args, result);
	ASSERT_EQ(host.Journal().Entries().size(), 1u);
	EXPECT_EQ(host.Journal().Entries()[0].Text(), "Application.LogMessage Application [\"hello\", 8]");
	host.Journal().Clear();
}

TEST_F(PluginHost, APropertyWithoutLayoutGetsOneItemPerParameter_TheDriverSeesOnlyWhatExists)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Plain Options");
	ASSERT_TRUE(property.IsValid());
	EXPECT_EQ(scene.NameOf(property), L"Plain Options");
	host_engine::ScriptedPageDriver page;
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
	// Cancel without throw-on-cancel: success, and true comes back.
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

} // namespace
