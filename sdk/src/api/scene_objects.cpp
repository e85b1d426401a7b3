// Scene objects: properties of scene items, kinematics, constraints and joints.
#include "api/journal_call.h"
#include "engine/ref_handles.h"
#include "engine/host.h"
#include "engine/property_presets.h"

#include <xsi_chainbone.h>
#include <xsi_joint.h>
#include <xsi_kinematics.h>
#include <xsi_sceneitem.h>
#include <xsi_x3dobject.h>

namespace XSI {

namespace {

// The first child of `owner` of class `classId`, as a handle.
CRef ChildOfClass(const CRef& owner, siClassID classId)
{
	host_engine::Host& host = host_engine::Host::Current();
	uint32_t slot = host.SlotOf(owner);
	return slot == host_engine::kNoSlot ? CRef() : host.RefOf(host.Objects().FindChildOfClass(slot, classId));
}

} // namespace

// The branch flag only matters for selection propagation, which this host
// does not model; the journal still records it as passed.
Property SceneItem::AddProperty(const CString& in_preset, bool in_bBranch, const CString& in_name)
{
	JournalCall journal("SceneItem.AddProperty", GetRef(), in_preset, in_bBranch, in_name);
	host_engine::Host& host = host_engine::Host::Current();
	host_engine::Handle property = host_engine::AddPropertyFromPreset(
	    host, host.SlotOf(GetRef()), in_preset.GetWideString(), in_name.GetWideString());
	return Property(host.RefOf(property));
}

CStatus SceneItem::AddProperty(const CString& in_preset, bool in_bBranch, const CString& in_name, Property& out_prop)
{
	JournalCall journal("SceneItem.AddProperty", GetRef(), in_preset, in_bBranch, in_name);
	out_prop = AddProperty(in_preset, in_bBranch, in_name).GetRef();
	return out_prop.IsValid() ? CStatus::OK : CStatus::Fail;
}

CStatus SceneItem::AddCustomProperty(const CString& in_name, bool in_bBranch, CustomProperty& out_customprop)
{
	JournalCall journal("SceneItem.AddCustomProperty", GetRef(), in_name, in_bBranch);
	out_customprop = AddProperty(CString(L"CustomProperty"), in_bBranch, in_name).GetRef();
	return out_customprop.IsValid() ? CStatus::OK : CStatus::Fail;
}

CRefArray SceneItem::GetProperties() const
{
	JournalCall journal("SceneItem.GetProperties", GetRef());
	host_engine::Host& host = host_engine::Host::Current();
	CRefArray properties;
	uint32_t slot = host.SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return properties;
	}
	const host_engine::ObjectTable& objects = host.Objects();
	for (uint32_t child = objects.At(slot).firstChild; child != host_engine::kNoSlot;
	     child = objects.At(child).nextSibling) {
		if (host.RefOf(child).IsA(siPropertyID)) {
			properties.Add(host.RefOf(child));
		}
	}
	return properties;
}

Kinematics X3DObject::GetKinematics() const
{
	JournalCall journal("X3DObject.GetKinematics", GetRef());
	return Kinematics(ChildOfClass(GetRef(), siKinematicsID));
}

Joint ChainBone::GetJoint() const
{
	JournalCall journal("ChainBone.GetJoint", GetRef());
	return Joint(ChildOfClass(GetRef(), siJointID));
}

CRefArray Kinematics::GetConstraints() const
{
	JournalCall journal("Kinematics.GetConstraints", GetRef());
	host_engine::Host& host = host_engine::Host::Current();
	uint32_t slot = host.SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return CRefArray();
	}
	const host_engine::ObjectTable& objects = host.Objects();
	uint32_t first = objects.At(slot).firstChild;
	LONG count = 0;
	for (uint32_t child = first; child != host_engine::kNoSlot; child = objects.At(child).nextSibling) {
		count += objects.At(child).classId == siConstraintID ? 1 : 0;
	}
	CRefArray constraints(count); // made once, at its size
	CRef* items = count > 0 ? &constraints[0] : nullptr;
	for (uint32_t child = first; child != host_engine::kNoSlot; child = objects.At(child).nextSibling) {
		if (objects.At(child).classId == siConstraintID) {
			host_engine::SetHandle(*items++, objects.HandleOf(child));
		}
	}
	return constraints;
}

} // namespace XSI
