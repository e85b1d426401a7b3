#include "engine/current_host.h"

#include "builtin_commands.h"
#include "engine/plugin_host.h"

namespace host_engine {

Host* g_currentHost = nullptr;

namespace {

// The one place that puts the host, its plug-ins and its built-in commands
// together. The host with its plug-ins: the plug-ins go first, as their unload
// callbacks may still reach the host.
class HostWithPlugins
{
public:
	HostWithPlugins() : m_plugins(m_host)
	{
		m_host.SetPlugins(&m_plugins);
		RegisterBuiltInCommands(m_host);
	}
	~HostWithPlugins()
	{
		m_plugins.UnloadAll();
		m_host.SetPlugins(nullptr);
	}
	HostWithPlugins(const HostWithPlugins&) = delete;
	HostWithPlugins& operator=(const HostWithPlugins&) = delete;

	Host& Get() { return m_host; }

private:
	Host m_host;
	PluginHost m_plugins;
};

} // namespace

Host& MakeCurrentHost()
{
	static HostWithPlugins host;
	g_currentHost = &host.Get();
	return host.Get();
}

} // namespace host_engine
