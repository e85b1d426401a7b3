// A walk over the scene in the host's order: the scene objects (3D objects
// and groups) depth first from the root, each with its constraints and
// operators, then the custom properties under the root.
#ifndef HOST_ENGINE_SCENE_VISIT_H
#define HOST_ENGINE_SCENE_VISIT_H

#include "engine/object_handle.h"

#include <xsi_decl.h>

#include <string_view>

namespace host_engine {

class Host;
class ObjectTable;

// Where a scene object's constraints and operators hang: its kinematics,
// and for operators its joint if it is a chain bone, the object itself if
// not. kNoSlot where it has none.
struct PartHolders {
	uint32_t constraints = kNoSlot;
	uint32_t operators = kNoSlot;
};
PartHolders PartHoldersOf(const ObjectTable& objects, uint32_t slot);

class SceneVisitor
{
public:
	virtual ~SceneVisitor() = default;
	// A scene object. Its constraints come next, in the host's order, then
	// its operators (a chain bone's are its joint's), then its children,
	// then EndObject.
	virtual void BeginObject(std::wstring_view name, XSI::siClassID classId, bool hasChildren) = 0;
	// `type` is empty unless the constraint was made with a type of its own.
	virtual void Constraint(std::wstring_view name, std::wstring_view type) = 0;
	virtual void Operator(std::wstring_view name) = 0;
	virtual void EndObject() = 0;
	// A custom property under the scene root, by the preset it was made from.
	virtual void RootProperty(std::wstring_view preset) = 0;
};

// Every scene object, then every root property, in the host's order.
void VisitScene(const Host& host, SceneVisitor& visitor);

} // namespace host_engine

#endif
