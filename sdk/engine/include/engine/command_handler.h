// What a command is to the host: a function of its arguments and its return value.
#ifndef HOST_ENGINE_COMMAND_HANDLER_H
#define HOST_ENGINE_COMMAND_HANDLER_H

#include <xsi_status.h>
#include <xsi_value.h>

#include <functional>

namespace host_engine {

using CommandHandler = std::function<XSI::CStatus(XSI::CValueArray& args, XSI::CValue& ioValue)>;

} // namespace host_engine

#endif
