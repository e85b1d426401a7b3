// The host's own commands, run by name through ExecuteCommand.
#ifndef HOST_CORE_BUILTIN_COMMANDS_H
#define HOST_CORE_BUILTIN_COMMANDS_H

namespace host_core {

class Host;

// DeleteObj and InspectObj.
void RegisterBuiltInCommands(Host& host);

} // namespace host_core

#endif
