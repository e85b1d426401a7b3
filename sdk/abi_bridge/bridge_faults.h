// Where a call across the bridge keeps what went wrong: C has no exceptions,
// so the bridge holds one until the engine, back on its own side of the
// plug-in's call, takes it and throws it on.
#ifndef XSI_STANDIN_BRIDGE_FAULTS_H
#define XSI_STANDIN_BRIDGE_FAULTS_H

#include <exception>

namespace abi_bridge {

// Keeps the exception being handled, unless one is kept already: the first
// ends the plug-in's call, whatever follows from it.
void KeepFault();
// The fault kept, leaving none; null when there is none.
std::exception_ptr TakeFault();

// Runs `body`; when it throws, keeps the exception and answers `fallback`.
template <typename R, typename Body> R Guarded(R fallback, Body body)
{
	try {
		return body();
	} catch (...) {
		KeepFault();
		return fallback;
	}
}

template <typename Body> void Guarded(Body body)
{
	try {
		body();
	} catch (...) {
		KeepFault();
	}
}

} // namespace abi_bridge

#endif
