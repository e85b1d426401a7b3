// Loading plug-ins the way the host does, with a small test plug-in.
#include "support/host_records.h"
#include "support/loaded_test_plugin.h"

#include "engine/plugin_host.h"

#include <xsi_application.h>
#include <xsi_projectitem.h>

#include <cstdlib>

namespace {

using quillmere_tests::LogMessages;

using PluginHost = quillmere_tests::LoadedTestPlugin;

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
	EXPECT_FALSE(host.Commands().Has(L"SayHello"));
}

TEST_F(PluginHost, AFailedLoadLeavesNothingRegistered)
{
	setenv("TEST_PLUGIN_FAIL_LOAD", "1", 1);
	std::string error;
	EXPECT_EQ(host.Plugins().Load(TEST_PLUGIN_PATH, &error), nullptr);
	unsetenv("TEST_PLUGIN_FAIL_LOAD");
	EXPECT_NE(error.find("XSILoadPlugin failed"), std::string::npos) << error;
	EXPECT_TRUE(host.Plugins().Loaded().empty());
	EXPECT_FALSE(host.Commands().Has(L"SayHello"));
	EXPECT_FALSE(scene.AddProperty(scene.Root(), L"Plain Options").IsValid());
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

} // namespace
