// The plug-in module a run loads: refused at once when it is no file, loaded
// as the host loads its plug-ins, and required to provide the command run.
#ifndef QUILLMERE_HOST_PLUGIN_LOADING_H
#define QUILLMERE_HOST_PLUGIN_LOADING_H

#include "engine/host.h"
#include "engine/plugin_host.h"

#include <string>

namespace quillmere_host {

// The command the program runs.
extern const wchar_t* const kCommand;

// A module is a file: anything else (a FIFO, a folder, a device) is an
// InputError, before the loader can wait on it. A missing one is the
// loader's to say.
void CheckPluginPath(const std::string& path);

// Loads the module at `path` into `host`. A module that can't be loaded, or
// provides no Quillmere command, is a ModuleError naming it.
host_engine::LoadedPlugin& LoadPlugin(host_engine::Host& host, std::string path);

} // namespace quillmere_host

#endif
