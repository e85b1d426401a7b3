#include "builtin_commands.h"

#include "delete_obj.h"
#include "engine/host.h"
#include "inspect_obj.h"

namespace host_engine {

void RegisterBuiltInCommands(Host& host)
{
	host.RegisterCommand(
	    L"DeleteObj", [&host](XSI::CValueArray& args, XSI::CValue& ioValue) { return DeleteObj(host, args, ioValue); },
	    true);
	host.RegisterCommand(
	    L"InspectObj",
	    [&host](XSI::CValueArray& args, XSI::CValue& ioValue) { return InspectObj(host, args, ioValue); }, true);
}

} // namespace host_engine
