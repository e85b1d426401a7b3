// Walking the scene in the host's order, for whatever reads it whole.
#include "engine/scene_visit.h"

#include "engine/class_info.h"
#include "engine/host.h"
#include "node_data.h"

namespace host_engine {

namespace {

bool IsSceneObject(XSI::siClassID classId)
{
	return Is3DObject(classId) || classId == XSI::siGroupID;
}

bool HasSceneObjectChildren(const ObjectTable& objects, uint32_t slot)
{
	for (uint32_t c = objects.At(slot).firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (IsSceneObject(objects.At(c).classId)) {
			return true;
		}
	}
	return false;
}

void VisitChildrenOfClass(const ObjectTable& objects, uint32_t holder, XSI::siClassID classId, SceneVisitor& visitor)
{
	for (uint32_t c = objects.At(holder).firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (objects.At(c).classId != classId) {
			continue;
		}
		if (classId == XSI::siConstraintID) {
			visitor.Constraint(objects.Name(c), objects.Names().Text(objects.At(c).typeNameId));
		} else {
			visitor.Operator(objects.Name(c));
		}
	}
}

void VisitObject(const ObjectTable& objects, uint32_t slot, SceneVisitor& visitor)
{
	const Node& node = objects.At(slot);
	visitor.BeginObject(objects.Name(slot), node.classId, HasSceneObjectChildren(objects, slot));
	PartHolders holders = PartHoldersOf(objects, slot);
	if (holders.constraints != kNoSlot) {
		VisitChildrenOfClass(objects, holders.constraints, XSI::siConstraintID, visitor);
	}
	if (holders.operators != kNoSlot) {
		VisitChildrenOfClass(objects, holders.operators, XSI::siOperatorID, visitor);
	}
	for (uint32_t c = node.firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (IsSceneObject(objects.At(c).classId)) {
			VisitObject(objects, c, visitor);
		}
	}
	visitor.EndObject();
}

} // namespace

PartHolders PartHoldersOf(const ObjectTable& objects, uint32_t slot)
{
	PartHolders holders;
	holders.constraints = objects.FindChildOfClass(slot, XSI::siKinematicsID);
	holders.operators =
	    objects.At(slot).classId == XSI::siChainBoneID ? objects.FindChildOfClass(slot, XSI::siJointID) : slot;
	return holders;
}

void VisitScene(const Host& host, SceneVisitor& visitor)
{
	const ObjectTable& objects = host.Scene().Objects();
	uint32_t root = host.Scene().RootSlot();
	for (uint32_t c = objects.At(root).firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (IsSceneObject(objects.At(c).classId)) {
			VisitObject(objects, c, visitor);
		}
	}
	for (uint32_t c = objects.At(root).firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (objects.At(c).classId == XSI::siCustomPropertyID) {
			PropertyData* property = DataOf<PropertyData>(objects, c);
			visitor.RootProperty(property ? std::wstring_view(property->preset) : std::wstring_view());
		}
	}
}

} // namespace host_engine
