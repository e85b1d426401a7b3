// The registrar XSILoadPlugin is given, and what registering through it records on the loaded plug-in.
#include "engine/plugin_registration.h"

#include "engine/host.h"
#include "engine/plugin_host.h"
#include "node_data.h"

namespace host_engine {

namespace {

Handle PluginItem(Host& host, uint32_t registrar, const std::wstring& name)
{
	return host.Scene().Objects().Create(XSI::siPluginItemID, name, registrar);
}

} // namespace

LoadedPlugin* PluginBehindRegistrar(Host& host, uint32_t registrar)
{
	const PluginLink* link = DataOf<PluginLink>(host.Scene().Objects(), registrar);
	return link ? host.Plugins().Find(link->pluginId) : nullptr;
}

Handle RegisterPluginCommand(Host& host, uint32_t registrar, const std::wstring& name, const std::wstring& scriptName)
{
	LoadedPlugin* plugin = PluginBehindRegistrar(host, registrar);
	if (plugin == nullptr || name.empty() || scriptName.empty()) {
		return Handle();
	}
	RegisteredCommand command;
	command.name = name;
	command.scriptName = scriptName;
	plugin->commands.push_back(command);
	return PluginItem(host, registrar, name);
}

Handle RegisterPluginProperty(Host& host, uint32_t registrar, const std::wstring& name)
{
	LoadedPlugin* plugin = PluginBehindRegistrar(host, registrar);
	if (plugin == nullptr || name.empty()) {
		return Handle();
	}
	plugin->properties.push_back(name);
	return PluginItem(host, registrar, name);
}

} // namespace host_engine
