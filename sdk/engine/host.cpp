// The host put together: its parts, its plug-ins and its own commands.
#include "engine/host.h"

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

void Host::ResetScene()
{
	m_undo.Clear();
	m_history.Clear(); // before the scene's names are compacted: it holds name ids
	m_scene.Reset();
	m_log.Clear();
}

} // namespace host_engine
