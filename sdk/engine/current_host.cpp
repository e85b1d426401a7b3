// The one host of this process, made on first use.
#include "engine/current_host.h"

namespace host_engine {

Host* g_currentHost = nullptr;

Host& MakeCurrentHost()
{
	static Host host;
	g_currentHost = &host;
	return host;
}

} // namespace host_engine
