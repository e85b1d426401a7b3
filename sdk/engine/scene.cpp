#include "engine/scene.h"

#include "engine/class_info.h"
#include "engine/host_readings.h"
#include "engine/object_paths.h"

namespace host_engine {

Scene::Scene(const HostReadings& readings) : m_readings(readings)
{
	m_application = m_objects.Create(XSI::siApplicationID, L"Application", kNoSlot).slot;
	m_selectionObject = m_objects.Create(XSI::siSelectionID, L"Selection", kNoSlot).slot;
	Reset();
}

void Scene::Reset()
{
	if (m_objects.Root() != kNoSlot) {
		m_objects.DestroySubtree(m_objects.Root());
	}
	// The old scene's names go with it: a long-lived host must not keep them all.
	m_objects.CompactNames();
	m_objects.SortFreeSlots();
	uint32_t root = m_objects.Create(XSI::siModelID, L"Scene_Root", kNoSlot).slot;
	m_objects.SetRoot(root);
	m_objects.Create(XSI::siKinematicsID, L"kine", root);
	m_selection.clear();
}

std::wstring Scene::FullName(uint32_t slot) const
{
	const Node& node = m_objects.At(slot);
	bool rootProperty = node.parent == m_objects.Root() && IsKindOf(node.classId, XSI::siPropertyID);
	if (rootProperty && !m_readings.RootPropertiesNamedFromRoot()) {
		return std::wstring(m_objects.Name(slot));
	}
	return FullNameOf(m_objects, slot);
}

void Scene::Select(const Handle& handle)
{
	if (m_objects.IsLive(handle)) {
		m_selection.push_back(handle);
	}
}

std::vector<Handle> Scene::SelectedObjects() const
{
	std::vector<Handle> live;
	live.reserve(m_selection.size());
	for (const Handle& handle : m_selection) {
		if (m_objects.IsLive(handle)) {
			live.push_back(handle);
		}
	}
	return live;
}

} // namespace host_engine
