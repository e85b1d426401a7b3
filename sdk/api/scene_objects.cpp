// Scene objects: properties of scene items, kinematics, constraints and joints.
#include "journal_call.h"
#include "ref_arrays.h"
#include "engine/class_info.h"
#include "engine/current_host.h"
#include "engine/ref_handles.h"
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
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t slot = host.Scene().SlotOf(owner);
	return slot == host_engine::kNoSlot ? CRef()
	                                    : host.Scene().RefOf(host.Scene().Objects().FindChildOfClass(slot, classId));
}

} // namespace

// The branch flag only matters for selection propagation, which this host
// does not model; the journal still records it as passed.
Property SceneItem::AddProperty(const CString& in_preset, bool in_bBranch, const CString& in_name)
{
	JournalCall journal("SceneItem.AddProperty", *this, in_preset, in_bBranch, in_name);
	host_engine::Host& host = host_engine::CurrentHost();
	host_engine::Handle property = host_engine::AddPropertyFromPreset(
	    host, host.Scene().SlotOf(GetRef()), in_preset.GetWideString(), in_name.GetWideString());
	return Property(host.Scene().RefOf(property));
}

CStatus SceneItem::AddProperty(const CString& in_preset, bool in_bBranch, const CString& in_name, Property& out_prop)
{
	JournalCall journal("SceneItem.AddProperty", *this, in_preset, in_bBranch, in_name);
	out_prop = AddProperty(in_preset, in_bBranch, in_name).GetRef();
	return out_prop.IsValid() ? CStatus::OK : CStatus::Fail;
}

CStatus SceneItem::AddCustomProperty(const CString& in_name, bool in_bBranch, CustomProperty& out_customprop)
{
	JournalCall journal("SceneItem.AddCustomProperty", *this, in_name, in_bBranch);
	out_customprop = AddProperty(CString(L"CustomProperty"), in_bBranch, in_name).GetRef();
	return out_customprop.IsValid() ? CStatus::OK : CStatus::Fail;
}

CRefArray SceneItem::GetProperties() const
{
	JournalCall journal("SceneItem.GetProperties", *this);
	host_engine::Host& host = host_engine::CurrentHost();
	return ChildRefs(host.Scene().Objects(), host.Scene().SlotOf(GetRef()),
	                 [](const host_engine::Node& node) { return host_engine::IsKindOf(node.classId, siPropertyID); });
}

Kinematics X3DObject::GetKinematics() const
{
	JournalCall journal("X3DObject.GetKinematics", *this);
	return Kinematics(ChildOfClass(GetRef(), siKinematicsID));
}

Joint ChainBone::GetJoint() const
{
	JournalCall journal("ChainBone.GetJoint", *this);
	return Joint(ChildOfClass(GetRef(), siJointID));
}

CRefArray Kinematics::GetConstraints() const
{
	JournalCall journal("Kinematics.GetConstraints", *this);
	host_engine::Host& host = host_engine::CurrentHost();
	return ChildRefs(host.Scene().Objects(), host.Scene().SlotOf(GetRef()),
	                 [](const host_engine::Node& node) { return node.classId == siConstraintID; });
}

} // namespace XSI
