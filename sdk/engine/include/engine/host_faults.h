// Faults the host can be told to inject, for tests of how a plug-in rides them out.
#ifndef HOST_ENGINE_HOST_FAULTS_H
#define HOST_ENGINE_HOST_FAULTS_H

#include <cstdint>
#include <functional>
#include <string_view>

namespace host_engine {

// None is on by default.
struct HostFaults {
	// DeleteObj fails, removing nothing, for targets this answers true for.
	std::function<bool(uint32_t slot)> failDelete;
	// InspectObj fails without showing a page.
	bool failInspect = false;
	// AddProperty gives an invalid handle.
	bool failAddProperty = false;
	// Runs before every command: "another hand" changing the scene between two
	// calls. The hand holds the host it changes.
	std::function<void(std::wstring_view command)> beforeCommand;
};

} // namespace host_engine

#endif
