// The host's own work across its parts. It is put together in current_host.cpp,
// above the parts that reach back to it (its plug-ins, its own commands).
#include "engine/host.h"

namespace host_engine {

void Host::ResetScene()
{
	m_undo.Clear();
	m_history.Clear(); // before the scene's names are compacted: it holds name ids
	m_scene.Reset();
	m_log.Clear();
}

} // namespace host_engine
