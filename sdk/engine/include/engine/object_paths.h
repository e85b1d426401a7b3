// Objects by their dotted names: the full name the host gives an object
// ("hero.hand.kine.Pose Cns"), and the object a name or full name names.
#ifndef HOST_ENGINE_OBJECT_PATHS_H
#define HOST_ENGINE_OBJECT_PATHS_H

#include "engine/object_table.h"

#include <cstdint>
#include <string>

namespace host_engine {

// 3D objects are named by their model, everything else by the object it
// hangs under; what hangs right under the scene root goes without it.
std::wstring FullNameOf(const ObjectTable& objects, uint32_t slot);

// A name or a dotted full name, from the scene root (its own name in front
// or not); kNoSlot when nothing matches. Inside a model, a name unique in it
// is found by the model's name alone.
uint32_t ResolvePath(const ObjectTable& objects, const std::wstring& path);

} // namespace host_engine

#endif
