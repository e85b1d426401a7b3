// Loading the module by its exported names, and what it registers.
#include "support/loaded_module.h"

#include <xsi_command.h>

#ifdef _WIN32
#include <windows.h>
#else
#include <fstream>
#include <sstream>
#endif

namespace {

using Registration = quillmere_tests::LoadedModule;

TEST_F(Registration, OneCommandAndOneProperty_Version1_1)
{
	EXPECT_EQ(plugin->name, L"Quillmere Plug-in");
	EXPECT_FALSE(plugin->author.empty());
	EXPECT_EQ(plugin->versionMajor, 1);
	EXPECT_EQ(plugin->versionMinor, 1);
	ASSERT_EQ(plugin->commands.size(), 1u);
	EXPECT_EQ(plugin->commands[0].name, L"Quillmere");
	EXPECT_EQ(plugin->commands[0].scriptName, L"Quillmere");
	EXPECT_EQ(plugin->properties, std::vector<std::wstring>{L"QuillmereOption"});
	EXPECT_TRUE(host.Commands().Has(L"Quillmere"));
}

TEST_F(Registration, InitEnablesAReturnValue_RunReturnsNone)
{
	XSI::Command command(host.Scene().RefOf(plugin->commands[0].commandSlot));
	EXPECT_TRUE(command.IsReturnValueEnabled());
	XSI::CValueArray args;
	XSI::CValue result(L"untouched");
	EXPECT_EQ(XSI::Application().ExecuteCommand(L"Quillmere", args, result), XSI::CStatus::OK);
	EXPECT_TRUE(result.IsEmpty());
}

bool ModuleIsMapped()
{
#ifdef _WIN32
	return GetModuleHandleA("Quillmere.dll") != nullptr;
#else
	std::ifstream maps("/proc/self/maps");
	std::stringstream text;
	text << maps.rdbuf();
	return text.str().find("/Quillmere.so") != std::string::npos;
#endif
}

TEST_F(Registration, UnloadUnmapsTheModule_ReloadRegistersAgain)
{
	host.Plugins().UnloadAll();
	EXPECT_FALSE(host.Commands().Has(L"Quillmere"));
	// Unmapped, so a reload starts from fresh statics: every switch off.
	EXPECT_FALSE(ModuleIsMapped());
	std::string error;
	plugin = host.Plugins().Load(QUILLMERE_MODULE_PATH, &error);
	ASSERT_NE(plugin, nullptr) << error;
	EXPECT_TRUE(ModuleIsMapped());
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().timesShown, 1);
}

TEST(ModuleLoading, UnopenableOrWithoutEntryPoint_ErrorNamesFileAndWhat)
{
	host_engine::Host& host = host_engine::CurrentHost();
	std::string error;
	EXPECT_EQ(host.Plugins().Load("/nonexistent/Nothing.so", &error), nullptr);
	EXPECT_NE(error.find("/nonexistent/Nothing.so"), std::string::npos) << error;

	EXPECT_EQ(host.Plugins().Load(SICORESDK_PATH, &error), nullptr);
	EXPECT_NE(error.find(SICORESDK_PATH), std::string::npos) << error;
	EXPECT_NE(error.find("XSILoadPlugin"), std::string::npos) << error;
	EXPECT_TRUE(host.Plugins().Loaded().empty());
}

} // namespace
