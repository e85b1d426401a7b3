// The Quillmere module, loaded the way the host loads it, for each test.
#ifndef QUILLMERE_TESTS_LOADED_MODULE_H
#define QUILLMERE_TESTS_LOADED_MODULE_H

#include "support/scripted_page.h"

#include "core/plugin_host.h"
#include "core/scene_builder.h"

#include <xsi_application.h>

#include <gtest/gtest.h>

namespace quillmere_tests {

class LoadedModule : public ::testing::Test
{
protected:
	void SetUp() override
	{
		host.ResetScene();
		std::string error;
		plugin = host.Plugins().Load(QUILLMERE_MODULE_PATH, &error);
		ASSERT_NE(plugin, nullptr) << error;
		host.SetPageDriver(&page);
	}

	void TearDown() override
	{
		host.SetPageDriver(nullptr);
		host.Plugins().UnloadAll();
	}

	XSI::CStatus RunCommand()
	{
		XSI::CValueArray args;
		XSI::CValue result;
		return XSI::Application().ExecuteCommand(L"Quillmere", args, result);
	}

	host_core::Host& host = host_core::Host::Current();
	host_core::SceneBuilder scene{host};
	host_core::LoadedPlugin* plugin = nullptr;
	ScriptedPage page;
};

} // namespace quillmere_tests

#endif
