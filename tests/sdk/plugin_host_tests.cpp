// Loading plug-ins the way the host does, with a small test plug-in.
#include "support/host_records.h"
#include "support/host_scene.h"
#include "support/scripted_page.h"

#include "core/plugin_host.h"

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

	host_core::LoadedPlugin* Load()
	{
		std::string error;
		host_core::LoadedPlugin* plugin = host.Plugins().Load(TEST_PLUGIN_PATH, &error);
		EXPECT_NE(plugin, nullptr) << error;
		return plugin;
	}
};

TEST_F(PluginHost, CallbacksAreFoundByTheItemNameWithoutBlanks)
{
	EXPECT_EQ(host_core::CallbackName(L"Say Hello", "Execute"), "SayHello_Execute");
	host_core::LoadedPlugin* plugin = Load();
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

TEST_F(PluginHost, APropertyWithoutLayoutGetsOneItemPerParameter_TheDriverSeesOnlyWhatExists)
{
	ASSERT_NE(Load(), nullptr);
	XSI::CRef property = scene.AddProperty(scene.Root(), L"Plain Options");
	ASSERT_TRUE(property.IsValid());
	EXPECT_EQ(scene.NameOf(property), L"Plain Options");
	quillmere_tests::ScriptedPage page;
	bool unknownButton = true;
	bool unknownParameter = true;
	page.Do([&](host_core::PropertyPage& p) {
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
	page.Answer(host_core::PageAnswer::Cancel);
	// Cancel without throw-on-cancel: success, and true comes back.
	EXPECT_EQ(XSI::Application().ExecuteCommand(L"InspectObj", args, result), XSI::CStatus::OK);
	EXPECT_TRUE(static_cast<bool>(result));
	ASSERT_EQ(page.Layout().size(), 2u);
	EXPECT_EQ(page.Layout()[0].name, L"Flag");
	EXPECT_FALSE(unknownButton);
	EXPECT_FALSE(unknownParameter);
	// Values keep their parameter's type.
	XSI::CValue count = XSI::ProjectItem(property).GetParameterValue(L"Count");
	EXPECT_EQ(count.m_t, XSI::CValue::siInt4);
	EXPECT_EQ(static_cast<LONG>(count), 7);
}

} // namespace
