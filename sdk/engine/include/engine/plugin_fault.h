// A call the host leaves undefined, such as an index past the end of an
// array. The host would read what is not there, or crash; the stand-in ends
// the plug-in's call and the run, naming the call, rather than answer as if
// the call were defined and let a fault in the plug-in pass unseen.
#ifndef HOST_ENGINE_PLUGIN_FAULT_H
#define HOST_ENGINE_PLUGIN_FAULT_H

#include <stdexcept>
#include <string>

namespace host_engine {

class PluginFault : public std::logic_error
{
public:
	explicit PluginFault(const std::string& what) : std::logic_error(what) {}
};

// Throws the PluginFault for `call` given `index` outside `count` `items`.
[[noreturn]] void ThrowIndexFault(const char* call, long long index, long long count, const char* items);

// Throws a PluginFault for `call` unless 0 <= `index` < `count`; `items`
// names what is counted ("items", "characters"). Inline: every index a
// plug-in gives passes here.
inline void CheckIndex(const char* call, long long index, long long count, const char* items)
{
	if (index < 0 || index >= count) {
		ThrowIndexFault(call, index, count, items);
	}
}

} // namespace host_engine

#endif
