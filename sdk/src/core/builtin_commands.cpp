#include "core/builtin_commands.h"

#include "core/delete_obj.h"
#include "core/host.h"
#include "core/page_command.h"

namespace host_core {

void RegisterBuiltInCommands(Host& host)
{
	host.RegisterCommand(
	    L"DeleteObj", [&host](XSI::CValueArray& args, XSI::CValue& ioValue) { return DeleteObj(host, args, ioValue); },
	    true);
	host.RegisterCommand(
	    L"InspectObj",
	    [&host](XSI::CValueArray& args, XSI::CValue& ioValue) { return InspectObj(host, args, ioValue); }, true);
}

} // namespace host_core
