// The host's InspectObj command: opens a property's page, and a modal one
// waits until the user closes it.
#ifndef HOST_ENGINE_INSPECT_OBJ_H
#define HOST_ENGINE_INSPECT_OBJ_H

#include <xsi_status.h>
#include <xsi_value.h>

namespace host_engine {

class Host;

// args: objects (text or reference; empty means the selection, and so may a
// reference to nothing, by the host reading taken), keywords,
// title, mode, throw-on-cancel. Only modal mode shows a page here: it goes
// to the installed page driver. Cancel with throw-on-cancel fails the
// command (with the status the host reading gives); without it, the command succeeds and returns true. A non-empty
// keyword filters every custom property out: no page, and a modal call fails.
XSI::CStatus InspectObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue);

} // namespace host_engine

#endif
