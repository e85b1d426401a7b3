// Plug-in loading as the host does it: a module, its exports, what it registered.
#ifndef HOST_ENGINE_PLUGIN_HOST_H
#define HOST_ENGINE_PLUGIN_HOST_H

#include "engine/module_loader.h"
#include "engine/object_table.h"

#include <xsi_ref.h>
#include <xsi_status.h>

#include <memory>
#include <string>
#include <vector>

namespace host_engine {

class Host;

struct RegisteredCommand {
	std::wstring name;       // names the callbacks: <name>_Init, <name>_Execute
	std::wstring scriptName; // runs it through ExecuteCommand
	uint32_t commandSlot = kNoSlot;
};

struct LoadedPlugin {
	size_t id = 0;
	Module module;
	std::wstring name;
	std::wstring author;
	long versionMajor = 0;
	long versionMinor = 0;
	std::vector<RegisteredCommand> commands;
	std::vector<std::wstring> properties;
};

class PluginHost
{
public:
	explicit PluginHost(Host& host);
	~PluginHost();

	// Opens the module, calls XSILoadPlugin and sets up each command it
	// registered. On failure the module is closed again and `error` says why.
	LoadedPlugin* Load(const std::string& path, std::string* error);
	void Unload(LoadedPlugin* plugin);
	void UnloadAll();
	const std::vector<std::unique_ptr<LoadedPlugin>>& Loaded() const { return m_plugins; }
	LoadedPlugin* Find(size_t id);

	// The registrar XSILoadPlugin is given for the loaded plug-in `pluginId`:
	// top-level, destroyed when XSILoadPlugin returns.
	static Handle CreateRegistrar(ObjectTable& objects, size_t pluginId);

	// The plug-in that registered the property `name`, or nullptr.
	LoadedPlugin* PropertyOwner(const std::wstring& name);

	// Calls <item>_<callback> with a fresh context whose source is `source`.
	// Returns false when the plug-in does not export that callback.
	bool CallWithContext(LoadedPlugin& plugin, const std::wstring& item, const char* callback, uint32_t source,
	                     XSI::siClassID contextClass, int eventId = 0, const std::wstring& attribute = L"",
	                     const std::wstring& attributeValue = L"", XSI::CStatus* status = nullptr);

private:
	void SetUpCommand(LoadedPlugin& plugin, RegisteredCommand& command);
	XSI::CStatus ExecutePluginCommand(size_t pluginId, size_t commandIndex, XSI::CValue& ioValue);

	Host& m_host;
	std::vector<std::unique_ptr<LoadedPlugin>> m_plugins;
	size_t m_nextId = 1;
};

// The exported name of a callback: the item's name without blanks, "_", the callback.
std::string CallbackName(const std::wstring& item, const char* callback);

} // namespace host_engine

#endif
