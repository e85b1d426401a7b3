// The fault a call across the bridge left, until the engine takes it.
#include "bridge_faults.h"

#include "abi_bridge.h"

namespace abi_bridge {

namespace {

// The host calls plug-ins from one thread.
std::exception_ptr& Kept()
{
	static std::exception_ptr kept;
	return kept;
}

} // namespace

void KeepFault()
{
	if (!Kept()) {
		Kept() = std::current_exception();
	}
}

std::exception_ptr TakeFault()
{
	std::exception_ptr fault = Kept();
	Kept() = nullptr;
	return fault;
}

} // namespace abi_bridge

extern "C" int bridge_fault_pending(void)
{
	return abi_bridge::Kept() ? 1 : 0;
}
