// The engine's inspection command (run by the name InspectObj): shows a
// custom property's page; in modal mode the run lasts until a driver answers it.
#ifndef HOST_ENGINE_INSPECT_OBJ_H
#define HOST_ENGINE_INSPECT_OBJ_H

#include <xsi_status.h>
#include <xsi_value.h>

namespace host_engine {

class Host;

// Its five arguments, in order: what to show (names or a reference; none
// stands for the selection, and a dangling reference may too, by reading),
// keywords, title, mode, and whether a cancel is an error. Only a modal page
// reaches the page driver here. When the driver cancels, the run fails with
// the reading's status if cancel is an error, else succeeds with true in
// `ioValue`. Any keyword at all leaves no page: a modal run then fails.
XSI::CStatus InspectObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue);

} // namespace host_engine

#endif
