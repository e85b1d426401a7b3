#include "entry_point_calls.h"

#include "abi_bridge.h"
#include "bridge_faults.h"
#include "engine/plugin_fault.h"
#include "engine/ref_handles.h"

#include <xsi_pluginregistrar.h>

#include <exception>
#include <new>
#include <stdexcept>

namespace host_engine {

namespace {

using LoadPluginFn = XSI::CStatus (*)(XSI::PluginRegistrar&);
using UnloadPluginFn = XSI::CStatus (*)(const XSI::PluginRegistrar&);
using CallbackFn = XSI::CStatus (*)(XSI::CRef&);

XSI::CStatus CallNative(EntryPoint kind, void* entry, const XSI::CRef& argument)
{
	switch (kind) {
	case EntryPoint::LoadPlugin: {
		XSI::PluginRegistrar registrar(argument);
		return reinterpret_cast<LoadPluginFn>(entry)(registrar);
	}
	case EntryPoint::UnloadPlugin: {
		const XSI::PluginRegistrar registrar(argument);
		return reinterpret_cast<UnloadPluginFn>(entry)(registrar);
	}
	case EntryPoint::Callback: break;
	}
	XSI::CRef context(argument);
	return reinterpret_cast<CallbackFn>(entry)(context);
}

// Throws on what the stand-in threw under the module's call, which the
// bridge kept while the call unwound on the other side.
void ThrowKeptFault()
{
	if (std::exception_ptr fault = abi_bridge::TakeFault()) {
		std::rethrow_exception(fault);
	}
}

XSI::CStatus CallMsvc(const Module& module, EntryPoint kind, void* entry, const XSI::CRef& argument)
{
	bridge_call_entry_point_fn call = reinterpret_cast<bridge_call_entry_point_fn>(module.MsvcEntryCaller());
	int32_t bridgeKind = kind == EntryPoint::LoadPlugin     ? BRIDGE_ENTRY_LOAD_PLUGIN
	                     : kind == EntryPoint::UnloadPlugin ? BRIDGE_ENTRY_UNLOAD_PLUGIN
	                                                        : BRIDGE_ENTRY_CALLBACK;
	int ended = BRIDGE_CALL_COMPLETED;
	int32_t code = call(bridgeKind, entry, WordOf(argument), &ended);
	if (ended == BRIDGE_CALL_OUT_OF_MEMORY) {
		throw std::bad_alloc();
	}
	ThrowKeptFault();
	if (ended == BRIDGE_CALL_FAULTED) {
		throw PluginFault("the plug-in's call was ended by a fault the stand-in's bridge did not keep");
	}
	return XSI::CStatus(static_cast<XSI::CStatus::Code>(code));
}

} // namespace

XSI::CStatus CallEntryPoint(const Module& module, EntryPoint kind, void* entry, const XSI::CRef& argument)
{
	return module.Abi() == ModuleAbi::Msvc ? CallMsvc(module, kind, entry, argument)
	                                       : CallNative(kind, entry, argument);
}

} // namespace host_engine
