#include "engine/scene_builder.h"

#include "engine/class_info.h"
#include "engine/scene_visit.h"
#include "node_data.h"
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

SceneBuilder::ParameterInfo SceneBuilder::DescribeParameter(const XSI::CRef& parameter) const
{
	ParameterInfo info;
	const ParameterData* data = DataOf<ParameterData>(m_host.Scene().Objects(), m_host.Scene().SlotOf(parameter));
	if (data != nullptr) {
		info.type = data->type;
		info.capabilities = data->capabilities;
		info.value = data->value;
	}
	return info;
}

std::wstring SceneBuilder::NameOf(const XSI::CRef& ref) const
{
	uint32_t slot = m_host.Scene().SlotOf(ref);
	return slot == kNoSlot ? std::wstring() : std::wstring(m_host.Scene().Objects().Name(slot));
}

std::wstring SceneBuilder::TypeOf(const XSI::CRef& constraint) const
{
	uint32_t slot = m_host.Scene().SlotOf(constraint);
	return slot == kNoSlot
	           ? std::wstring()
	           : std::wstring(m_host.Scene().Objects().Names().Text(m_host.Scene().Objects().At(slot).typeNameId));
}

XSI::CRef SceneBuilder::Find(const std::wstring& path) const
{
	return m_host.Scene().RefOf(m_host.Scene().Objects().Resolve(path));
}

} // namespace host_engine
