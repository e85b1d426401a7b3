// The removal pass: from the selection's 3D objects, the kinds of target switched on.
#ifndef QUILLMERE_REMOVAL_PASS_H
#define QUILLMERE_REMOVAL_PASS_H

#include "plugin/host_api.h"

// Deletes the enabled kinds of target from the 3D objects among the
// selection, in selection order; logs one message when there are none.
void RemoveTargetsFromSelection();

// Deletes the object's constraints whose names match an enabled kind.
void RemoveMatchingConstraints(const XSI::X3DObject& in_object);

// Deletes the chain bone's first skeleton up-vector operator, if any.
void RemoveChainUpVectorOp(const XSI::X3DObject& in_bone);

#endif
