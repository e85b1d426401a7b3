#include "engine/plugin_fault.h"

namespace host_engine {

void ThrowIndexFault(const char* call, long long index, long long count, const char* items)
{
	throw PluginFault(std::string(call) + ": index " + std::to_string(index) + " is outside the " +
	                  std::to_string(count) + " " + items + " there are");
}

} // namespace host_engine
