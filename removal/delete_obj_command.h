#ifndef QUILLMERE_DELETE_OBJ_COMMAND_H
#define QUILLMERE_DELETE_OBJ_COMMAND_H

#include "plugin/host_api.h"

// Runs the host's DeleteObj on one target: a reference or an object's name.
// Its status is not looked at: a failed deletion must not stop the caller.
void DeleteObjCommand(const XSI::CValue& in_target);

#endif
