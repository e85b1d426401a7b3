// The host engine's small test plug-in, loaded for each test, and how its
// properties' pages are shown.
#ifndef QUILLMERE_TESTS_LOADED_TEST_PLUGIN_H
#define QUILLMERE_TESTS_LOADED_TEST_PLUGIN_H

#include "support/host_scene.h"

#include "engine/plugin_host.h"

#include <xsi_application.h>

namespace quillmere_tests {

class LoadedTestPlugin : public HostScene
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

// Shows `property`'s page modally with `keywords`; the status of InspectObj.
inline XSI::CStatus Inspect(const XSI::CRef& property, const wchar_t* keywords = L"", bool throwOnCancel = true)
{
	XSI::CValueArray args(5);
	args[0] = property.GetAsText();
	args[1] = XSI::CString(keywords);
	args[3] = XSI::CValue(static_cast<LONG>(XSI::siModal));
	args[4] = throwOnCancel;
	XSI::CValue result;
	return XSI::Application().ExecuteCommand(L"InspectObj", args, result);
}

} // namespace quillmere_tests

#endif
