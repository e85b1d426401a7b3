// DeleteObj: removes one object, and everything under it, from the scene.
#ifndef HOST_ENGINE_DELETE_OBJ_H
#define HOST_ENGINE_DELETE_OBJ_H

#include <xsi_status.h>
#include <xsi_value.h>

namespace host_engine {

class Host;

// args[0]: a reference, or an object's name or full name. Fails, changing
// nothing, when the name names nothing, or the target is not the scene's to
// delete (the scene root, the application). No argument means, as in the
// host, the current selection: each selected object goes. An empty one or a
// reference that is no longer valid means the selection too, or fails, by
// the host reading taken. Every deletion asked for lands in the history.
XSI::CStatus DeleteObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue);

} // namespace host_engine

#endif
