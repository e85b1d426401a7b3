// What the host knows of each object class: its name, its base and its families.
#ifndef HOST_ENGINE_CLASS_INFO_H
#define HOST_ENGINE_CLASS_INFO_H

#include "engine/host_readings.h"

#include <xsi_decl.h>

#include <string>

namespace host_engine {

// The class-ID name GetClassIDName answers, e.g. L"ChainBone"; empty if unknown.
const wchar_t* ClassIdName(XSI::siClassID id);

const int kMaxClassId = 256;

// kindOf[a][b]: class a is b or derives from it. Binding a handle asks this
// on every call, so it is a table made at compile time.
struct ClassKinds {
	bool kindOf[kMaxClassId][kMaxClassId];
};
extern const ClassKinds kClassKinds;

// True when `id` is `base` or derives from it in the object API's hierarchy.
inline bool IsKindOf(XSI::siClassID id, XSI::siClassID base)
{
	unsigned a = static_cast<unsigned>(id);
	unsigned b = static_cast<unsigned>(base);
	return a > 0 && a < static_cast<unsigned>(kMaxClassId) && b > 0 && b < static_cast<unsigned>(kMaxClassId) &&
	       kClassKinds.kindOf[a][b];
}

enum class Family { Unknown, Objects3D, ChainElements, Constraints, Operators, Properties, Groups, Nulls };

// The family named `name` (e.g. XSI::si3DObjectFamily), or Family::Unknown.
Family FamilyFromName(const std::wstring& name);

// True when objects of class `id` belong to `family`. The host lists no
// class's families: whether chain elements and models are "3D Objects" is
// a reading of it.
bool IsInFamily(XSI::siClassID id, Family family, const HostReadings& readings);

// 3D objects are the scene graph: they get kinematics and names unique in their model.
inline bool Is3DObject(XSI::siClassID id)
{
	return IsKindOf(id, XSI::siX3DObjectID);
}

} // namespace host_engine

#endif
