#include "removal/removal_pass.h"

#include "removal/delete_obj_command.h"
#include "removal/removal_literals.h"
#include "removal/removal_targets.h"

using namespace XSI;

namespace {

struct ConstraintKind {
	const bool* enabled;
	const wchar_t* name;
};

// Tested in this order; the first enabled kind whose name matches decides.
const ConstraintKind kConstraintKinds[] = {
    {&RemovalTargets::Pos, kPositionCnsName},      {&RemovalTargets::Ori, kOrientationCnsName},
    {&RemovalTargets::Dir, kDirectionCnsName},     {&RemovalTargets::Pose, kPoseCnsName},
    {&RemovalTargets::Distance, kDistanceCnsName}, {&RemovalTargets::Scaling, kScalingCnsName},
    {&RemovalTargets::Symmetry, kSymmetryCnsName},
};

// Matched by the constraint's name, never its type: a constraint the user
// renamed is one they chose to keep apart.
bool IsEnabledKind(const CString& in_name)
{
	for (const ConstraintKind& kind : kConstraintKinds) {
		if (*kind.enabled && in_name == kind.name) {
			return true;
		}
	}
	return false;
}

CRefArray Selected3DObjects()
{
	CStringArray families;
	families.Add(si3DObjectFamily);
	CRefArray selected = Application().GetSelection().GetArray();
	CRefArray objects;
	selected.Filter(CString(), families, CString(), objects);
	return objects;
}

} // namespace

void RemoveTargetsFromSelection()
{
	CRefArray objects = Selected3DObjects();
	if (objects.GetCount() <= 0) {
		Application().LogMessage(kSelectObjectsMessage, siInfoMsg);
		return;
	}
	for (LONG i = 0; i < objects.GetCount(); ++i) {
		X3DObject object(objects[i]);
		if (!object.IsValid()) {
			continue;
		}
		RemoveMatchingConstraints(object);
		if (RemovalTargets::ChainUpVector && object.GetClassIDName() == kChainBoneClass) {
			RemoveChainUpVectorOp(object);
		}
	}
}

void RemoveMatchingConstraints(const X3DObject& in_object)
{
	CRefArray constraints = in_object.GetKinematics().GetConstraints();
	for (LONG i = 0; i < constraints.GetCount(); ++i) {
		Constraint constraint(constraints[i]);
		if (IsEnabledKind(constraint.GetName())) {
			DeleteObjCommand(CValue(constraint.GetRef()));
		}
	}
}

void RemoveChainUpVectorOp(const X3DObject& in_bone)
{
	ChainBone bone(in_bone.GetRef());
	CRefArray nested = bone.GetJoint().GetNestedObjects();
	for (LONG i = 0; i < nested.GetCount(); ++i) {
		if (nested[i].GetClassIDName() != kOperatorClass) {
			continue;
		}
		Operator op(nested[i]);
		if (op.GetName() == kSkeletonUpVectorOpName) {
			DeleteObjCommand(CValue(op.GetRef()));
			break;
		}
	}
}
