// The one host of this process, and the one place it is put together: its
// parts, its plug-ins and its own commands.
#include "engine/current_host.h"

#include "builtin_commands.h"
#include "engine/plugin_host.h"

namespace host_engine {

Host::Host()
    : m_scene(m_readings), m_undo(m_scene.Objects()), m_commands(m_undo, m_caller, m_faults),
      m_plugins(new PluginHost(*this))
{
	RegisterBuiltInCommands(*this);
}

// The plug-ins go first: their unload callbacks may still reach the host.
Host::~Host()
{
	m_plugins->UnloadAll();
}

Host* g_currentHost = nullptr;

Host& MakeCurrentHost()
{
	static Host host;
	g_currentHost = &host;
	return host;
}

} // namespace host_engine
