#include "plugin/removal_pass.h"

#include "plugin/host_commands.h"
#include "plugin/kinds.h"
#include "plugin/removal_targets.h"

using namespace XSI;

namespace {

const wchar_t* const kChainBoneClass = L"ChainBone";
const wchar_t* const kOperatorClass = L"Operator";
const wchar_t* const kSkeletonUpVectorOpName = L"SkeletonUpVectorOp";
const wchar_t* const kSelectObjectsMessage = L"Please select object(s).";

// Matched by the constraint's name, never its type: a constraint the user
// renamed is one they chose to keep apart. Tested in the kinds' order; the
// first enabled kind whose name matches decides.
bool IsEnabledKind(const CString& in_name)
{
	for (const Kind& kind : kKinds) {
		if (kind.constraintName != nullptr && *kind.target && in_name == kind.constraintName) {
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
		// The reference names what the object is; the X3DObject handle
		// would name only its own API class.
		if (RemovalTargets::ChainUpVector && objects[i].GetClassIDName() == kChainBoneClass) {
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
