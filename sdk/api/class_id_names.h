// The class-ID names as the object API hands them out, each made once:
// GetClassIDName answers for every object of a pass, and its answers share
// the one text.
#ifndef XSI_STANDIN_CLASS_ID_NAMES_H
#define XSI_STANDIN_CLASS_ID_NAMES_H

#include <xsi_decl.h>
#include <xsi_string.h>

namespace XSI {

// The name of `id`, e.g. "ChainBone"; empty for a class the host does not name.
const CString& ClassIdNameText(siClassID id);

} // namespace XSI

#endif
