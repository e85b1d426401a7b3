// The host's own commands, run by name through ExecuteCommand.
#ifndef HOST_ENGINE_BUILTIN_COMMANDS_H
#define HOST_ENGINE_BUILTIN_COMMANDS_H

namespace host_engine {

class Host;

// DeleteObj and InspectObj.
void RegisterBuiltInCommands(Host& host);

} // namespace host_engine

#endif
