// The Quillmere module, loaded the way the host loads it, for each test.
#ifndef QUILLMERE_TESTS_LOADED_MODULE_H
#define QUILLMERE_TESTS_LOADED_MODULE_H

#include "support/page_values.h"

#include "engine/plugin_host.h"
#include "engine/scene_builder.h"
#include "support/scripted_page_driver.h"
#include "engine/scene_read_back.h"

#include <xsi_application.h>

#include <gtest/gtest.h>

namespace quillmere_tests {

class LoadedModule : public ::testing::Test
{
protected:
	void SetUp() override
	{
		host.ResetScene();
		host.Readings() = host_engine::HostReadings();
		std::string error;
		plugin = host.Plugins().Load(QUILLMERE_MODULE_PATH, &error);
		ASSERT_NE(plugin, nullptr) << error;
		host.SetPageDriver(&page);
	}

	void TearDown() override
	{
		// A script naming what the page lacks must not pass by doing nothing.
		const quillmere_tests::ScriptedPageDriver::Refusal* refused = page.Refused();
		EXPECT_EQ(refused, nullptr) << "the page has no " << (refused && refused->button ? "button " : "parameter ")
		                            << (refused ? std::string(refused->name.begin(), refused->name.end()) : "");
		host.SetPageDriver(nullptr);
		host.Plugins().UnloadAll();
		host.Readings() = host_engine::HostReadings();
	}

	XSI::CStatus RunCommand()
	{
		XSI::CValueArray args;
		XSI::CValue result;
		return XSI::Application().ExecuteCommand(L"Quillmere", args, result);
	}

	host_engine::Host& host = host_engine::CurrentHost();
	host_engine::SceneBuilder scene{host};
	host_engine::SceneReadBack readBack{host};
	host_engine::LoadedPlugin* plugin = nullptr;
	quillmere_tests::ScriptedPageDriver page;
};

} // namespace quillmere_tests

#endif
