// The host's commands the plug-in runs by name: DeleteObj and InspectObj.
#ifndef QUILLMERE_HOST_COMMANDS_H
#define QUILLMERE_HOST_COMMANDS_H

#include "plugin/host_api.h"

// Runs the host's DeleteObj on one target: a reference or an object's name.
// Its status is not looked at: a failed deletion must not stop the caller.
void DeleteObjCommand(const XSI::CValue& in_target);

// Runs the host's InspectObj. True exactly when the command succeeded, which
// for a modal page with throw-on-cancel means the user pressed OK.
XSI::CValue InspectObjCommand(const XSI::CValue& in_objects, const XSI::CString& in_keywords,
                              const XSI::CString& in_title, const XSI::CValue& in_mode, bool in_throwOnCancel);

#endif
