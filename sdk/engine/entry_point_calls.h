// The one place the engine calls a plug-in's entry points: with the argument
// each takes made in the ABI the module was built in.
#ifndef HOST_ENGINE_ENTRY_POINT_CALLS_H
#define HOST_ENGINE_ENTRY_POINT_CALLS_H

#include "engine/module_loader.h"

#include <xsi_ref.h>
#include <xsi_status.h>

namespace host_engine {

enum class EntryPoint {
	LoadPlugin,   // XSILoadPlugin(PluginRegistrar&), `argument` the registrar's reference
	UnloadPlugin, // XSIUnloadPlugin(const PluginRegistrar&)
	Callback      // <Item>_<Callback>(CRef&), `argument` the context
};

// Calls `entry`, exported by `module`. What the object API threw under the
// call comes out of it, whichever ABI the module speaks.
XSI::CStatus CallEntryPoint(const Module& module, EntryPoint kind, void* entry, const XSI::CRef& argument);

} // namespace host_engine

#endif
