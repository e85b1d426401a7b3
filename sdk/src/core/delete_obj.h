// DeleteObj: removes one object, and everything under it, from the scene.
#ifndef HOST_CORE_DELETE_OBJ_H
#define HOST_CORE_DELETE_OBJ_H

#include <xsi_status.h>
#include <xsi_value.h>

namespace host_core {

class Host;

// args[0]: a reference, or an object's name or full name. Fails, changing
// nothing, when the target is gone, names nothing, or is not the scene's to
// delete (the scene root, the application). Every call lands in the history.
XSI::CStatus DeleteObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue);

} // namespace host_core

#endif
