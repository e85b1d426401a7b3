// The engine calling a plug-in built in the host's binary interface: the
// registrar or context each entry point takes, made in this ABI, and the
// call ended where it stands when the stand-in faulted under it.
#include "bridge_calls.h"

#include <xsi_pluginregistrar.h>
#include <xsi_ref.h>
#include <xsi_status.h>

using namespace msvc_abi;

namespace {

typedef XSI::CStatus(__cdecl* LoadPluginFn)(XSI::PluginRegistrar&);
typedef XSI::CStatus(__cdecl* UnloadPluginFn)(const XSI::PluginRegistrar&);
typedef XSI::CStatus(__cdecl* CallbackFn)(XSI::CRef&);

int32_t CallEntryPoint(int32_t kind, void* entry, bridge_ref argument)
{
	switch (kind) {
	case BRIDGE_ENTRY_LOAD_PLUGIN: {
		XSI::PluginRegistrar registrar = TakenHandle<XSI::PluginRegistrar>(argument);
		return CodeOf(reinterpret_cast<LoadPluginFn>(entry)(registrar));
	}
	case BRIDGE_ENTRY_UNLOAD_PLUGIN: {
		const XSI::PluginRegistrar registrar = TakenHandle<XSI::PluginRegistrar>(argument);
		return CodeOf(reinterpret_cast<UnloadPluginFn>(entry)(registrar));
	}
	default: {
		XSI::CRef context = RefOfWord(argument);
		return CodeOf(reinterpret_cast<CallbackFn>(entry)(context));
	}
	}
}

// The exception that ended the call, as the filter saw it.
unsigned long g_endedBy = 0;

int EndsTheCall(unsigned long code)
{
	g_endedBy = code;
	return code == kPluginFaultCode || code == kOutOfMemoryCode ? 1 : 0;
}

} // namespace

extern "C" __declspec(dllexport) int32_t
    xsi_standin_call_entry_point(int32_t kind, void* entry, bridge_ref argument, int* faulted)
{
	*faulted = BRIDGE_CALL_COMPLETED;
	__try {
		return CallEntryPoint(kind, entry, argument);
	} __except (EndsTheCall(_exception_code())) {
		*faulted = g_endedBy == kPluginFaultCode ? BRIDGE_CALL_FAULTED : BRIDGE_CALL_OUT_OF_MEMORY;
	}
	return static_cast<int32_t>(XSI::CStatus::Fail);
}
