// Building scenes for tests and the host program, beside the object API.
// (Reading them back is SceneReadBack's.)
#ifndef HOST_ENGINE_SCENE_BUILDER_H
#define HOST_ENGINE_SCENE_BUILDER_H

#include "engine/current_host.h"

#include <xsi_decl.h>
#include <xsi_ref.h>

#include <string>
#include <string_view>

namespace host_engine {

class SceneBuilder
{
public:
	explicit SceneBuilder(Host& host = CurrentHost()) : m_host(host) {}

	XSI::CRef Root() const { return m_host.Scene().RefOf(m_host.Scene().RootSlot()); }

	// A 3D object (with its kinematics; a chain bone also gets its joint) or
	// a group under `parent`. 3D objects get a name unique in their model.
	XSI::CRef AddObject(const XSI::CRef& parent, std::wstring_view name, XSI::siClassID classId = XSI::siX3DObjectID);
	// A constraint at the end of the object's constraint list; `type` is kept
	// apart from the name, as a user may rename a constraint.
	XSI::CRef AddConstraint(const XSI::CRef& object, std::wstring_view name, std::wstring_view type = L"");
	// An operator: under the joint of a chain bone, under the object otherwise.
	XSI::CRef AddOperator(const XSI::CRef& object, std::wstring_view name);
	// A property from a preset, as AddProperty makes it.
	XSI::CRef AddProperty(const XSI::CRef& parent, const std::wstring& preset, const std::wstring& name = L"");

	// Makes room for a scene of this size: 3D objects and groups (chain
	// bones among them counted again), constraints and operators.
	void Reserve(size_t objects, size_t chainBones, size_t constraints, size_t operators);

	void Select(const XSI::CRef& object);

private:
	Host& m_host;
};

} // namespace host_engine

#endif
