// InspectObj in the engine: finds the custom property to show and, when the
// page is modal, lets the page driver answer it before the run returns.
#ifndef HOST_ENGINE_INSPECT_OBJ_H
#define HOST_ENGINE_INSPECT_OBJ_H

#include <xsi_status.h>
#include <xsi_value.h>

namespace host_engine {

class Host;

// `args` holds objects, keywords, title, mode and throwOnCancel; a missing one
// takes its default. Objects are names or a reference (see ResolveObjects for
// what none stands for). Only a modal run reaches the page driver. Confirmed:
// OK, false in `ioValue`. Cancelled: with throwOnCancel a failure (its code a
// host reading), without it OK and true. A keyword filters the page out, so a
// modal run given one fails.
XSI::CStatus InspectObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue);

} // namespace host_engine

#endif
