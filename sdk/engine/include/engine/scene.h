// The host's scene: its objects, the fixed slots, the selection, full names,
// and the handles the object API carries for them.
#ifndef HOST_ENGINE_SCENE_H
#define HOST_ENGINE_SCENE_H

#include "engine/object_table.h"
#include "engine/ref_handles.h"

#include <xsi_ref.h>

#include <string>
#include <vector>

namespace host_engine {

class HostReadings;

class Scene
{
public:
	// Full names follow `readings`, which outlive the scene.
	explicit Scene(const HostReadings& readings);
	Scene(const Scene&) = delete;
	Scene& operator=(const Scene&) = delete;

	// Back to an empty scene root with its kinematics, and no selection.
	void Reset();

	ObjectTable& Objects() { return m_objects; }
	const ObjectTable& Objects() const { return m_objects; }
	uint32_t RootSlot() const { return m_objects.Root(); }
	uint32_t ApplicationSlot() const { return m_application; }
	uint32_t SelectionSlot() const { return m_selectionObject; }

	// Selection, in the order objects were selected.
	void Select(const Handle& handle);
	void ClearSelection() { m_selection.clear(); }
	// The selection's still-live members, in order.
	std::vector<Handle> SelectedObjects() const;
	// Every handle selected, in order, those deleted since among them.
	const std::vector<Handle>& SelectionHandles() const { return m_selection; }

	// An object's full name as the host gives it (GetFullName, a
	// reference's text), under the reading for properties under the root.
	std::wstring FullName(uint32_t slot) const;

	// Handles as the object API carries them.
	XSI::CRef RefOf(uint32_t slot) const { return RefOf(m_objects.HandleOf(slot)); }
	static XSI::CRef RefOf(const Handle& handle)
	{
		XSI::CRef ref;
		SetHandle(ref, handle);
		return ref;
	}
	static Handle HandleOf(const XSI::CRef& ref) { return HandleOfRef(ref); }
	// The live node behind `ref`, or nullptr.
	Node* NodeOf(const XSI::CRef& ref) { return m_objects.Get(HandleOf(ref)); }
	uint32_t SlotOf(const XSI::CRef& ref) const
	{
		Handle handle = HandleOf(ref);
		return m_objects.IsLive(handle) ? handle.slot : kNoSlot;
	}

private:
	const HostReadings& m_readings;
	ObjectTable m_objects;
	uint32_t m_application = kNoSlot;
	uint32_t m_selectionObject = kNoSlot;
	std::vector<Handle> m_selection;
};

} // namespace host_engine

#endif
