#include "builtin_commands.h"

#include "engine/command_table.h"
#include "delete_obj.h"
#include "engine/host.h"
#include "inspect_obj.h"

namespace host_engine {

void RegisterBuiltInCommands(Host& host)
{
	host.Commands().Register(
	    L"DeleteObj", [&host](XSI::CValueArray& args, XSI::CValue& ioValue) { return DeleteObj(host, args, ioValue); },
	    true);
	host.Commands().Register(
	    L"InspectObj",
	    [&host](XSI::CValueArray& args, XSI::CValue& ioValue) { return InspectObj(host, args, ioValue); }, true);
}

} // namespace host_engine
