// What a plug-in's registrar records while XSILoadPlugin runs: who wrote the
// plug-in, its version, the commands and properties it registers. (The
// registrar itself is made by the plug-in host, PluginHost::CreateRegistrar.)
#ifndef HOST_ENGINE_PLUGIN_REGISTRATION_H
#define HOST_ENGINE_PLUGIN_REGISTRATION_H

#include "engine/object_table.h"

#include <string>

namespace host_engine {

class Host;
struct LoadedPlugin;

// The plug-in being loaded behind the registrar; nullptr when `registrar`
// is not one (or its plug-in is gone).
LoadedPlugin* PluginBehindRegistrar(Host& host, uint32_t registrar);

// Registers a command: `name` names its callbacks, `scriptName` runs it.
// The plug-in item's handle (an object under the registrar, gone with it);
// an invalid handle, and nothing registered, when either name is empty or
// `registrar` is not one.
Handle RegisterPluginCommand(Host& host, uint32_t registrar, const std::wstring& name, const std::wstring& scriptName);

// Registers a custom property, named for its preset and callbacks; as above.
Handle RegisterPluginProperty(Host& host, uint32_t registrar, const std::wstring& name);

} // namespace host_engine

#endif
