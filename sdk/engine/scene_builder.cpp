// Building scenes: objects, constraints, operators and properties, put straight into the host's tables.
#include "engine/scene_builder.h"

#include "engine/class_info.h"
#include "engine/scene_visit.h"
#include "engine/property_presets.h"

namespace host_engine {

XSI::CRef SceneBuilder::AddObject(const XSI::CRef& parent, std::wstring_view name, XSI::siClassID classId)
{
	uint32_t parentSlot = m_host.Scene().SlotOf(parent);
	if (parentSlot == kNoSlot || !(Is3DObject(classId) || classId == XSI::siGroupID)) {
		return XSI::CRef();
	}
	ObjectTable& objects = m_host.Scene().Objects();
	uint32_t slot = objects.Create(classId, name, parentSlot).slot;
	if (Is3DObject(classId)) {
		objects.Create(XSI::siKinematicsID, L"kine", slot);
	}
	if (classId == XSI::siChainBoneID) {
		objects.Create(XSI::siJointID, L"Joint", slot);
	}
	return m_host.Scene().RefOf(slot);
}

XSI::CRef SceneBuilder::AddConstraint(const XSI::CRef& object, std::wstring_view name, std::wstring_view type)
{
	uint32_t slot = m_host.Scene().SlotOf(object);
	ObjectTable& objects = m_host.Scene().Objects();
	uint32_t kinematics = slot == kNoSlot ? kNoSlot : PartHoldersOf(objects, slot).constraints;
	if (kinematics == kNoSlot) {
		return XSI::CRef();
	}
	uint32_t constraint = objects.Create(XSI::siConstraintID, name, kinematics).slot;
	objects.At(constraint).typeNameId = objects.Names().Intern(type);
	return m_host.Scene().RefOf(constraint);
}

XSI::CRef SceneBuilder::AddOperator(const XSI::CRef& object, std::wstring_view name)
{
	uint32_t slot = m_host.Scene().SlotOf(object);
	if (slot == kNoSlot) {
		return XSI::CRef();
	}
	ObjectTable& objects = m_host.Scene().Objects();
	uint32_t parent = PartHoldersOf(objects, slot).operators;
	return parent == kNoSlot ? XSI::CRef() : m_host.Scene().RefOf(objects.Create(XSI::siOperatorID, name, parent).slot);
}

XSI::CRef SceneBuilder::AddProperty(const XSI::CRef& parent, const std::wstring& preset, const std::wstring& name)
{
	return m_host.Scene().RefOf(AddPropertyFromPreset(m_host, m_host.Scene().SlotOf(parent), preset, name));
}

void SceneBuilder::Reserve(size_t objects, size_t chainBones, size_t constraints, size_t operators)
{
	// Each object brings its kinematics, each chain bone its joint too.
	m_host.Scene().Objects().ReserveMore(2 * objects + chainBones + constraints + operators, objects);
}

void SceneBuilder::Select(const XSI::CRef& object)
{
	m_host.Scene().Select(Scene::HandleOf(object));
}

} // namespace host_engine
