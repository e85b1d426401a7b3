// The host every object-API call reaches: made on first use, with its plug-ins and built-in commands.
#ifndef HOST_ENGINE_CURRENT_HOST_H
#define HOST_ENGINE_CURRENT_HOST_H

#include "engine/host.h"

namespace host_engine {

// Set by MakeCurrentHost; read inline, as every object-API call asks for it.
extern Host* g_currentHost;
Host& MakeCurrentHost();

inline Host& CurrentHost()
{
	return g_currentHost ? *g_currentHost : MakeCurrentHost();
}

} // namespace host_engine

#endif
