#ifndef QUILLMERE_MODAL_PAGE_COMMAND_H
#define QUILLMERE_MODAL_PAGE_COMMAND_H

#include "plugin/host_api.h"

// Runs the host's InspectObj. True exactly when the command succeeded, which
// for a modal page with throw-on-cancel means the user pressed OK.
XSI::CValue InspectObjCommand(const XSI::CString& in_objects, const XSI::CString& in_keywords,
                              const XSI::CString& in_title, const XSI::CValue& in_mode, bool in_throwOnCancel);

#endif
