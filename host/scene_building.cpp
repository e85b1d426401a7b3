#include "scene_building.h"

#include "input_error.h"
#include "text_encoding.h"

#include "core/plugin_host.h"
#include "core/scene_builder.h"

namespace quillmere_host {

namespace {

void AddObject(const ObjectSpec& described, const XSI::CRef& parent, host_core::SceneBuilder& scene,
               ObjectsByName& objects)
{
	XSI::CRef object = scene.AddObject(parent, described.name, described.classId);
	objects[described.name] = object;
	for (const ConstraintSpec& constraint : described.constraints) {
		scene.AddConstraint(object, constraint.name, constraint.type);
	}
	for (const std::wstring& op : described.operators) {
		scene.AddOperator(object, op);
	}
	for (const ObjectSpec& child : described.children) {
		AddObject(child, object, scene, objects);
	}
}

} // namespace

ObjectsByName BuildScene(const SceneDescription& scene, host_core::Host& host, const std::string& origin)
{
	// Checked before anything is built: a refused scene is never half made.
	for (const std::wstring& preset : scene.rootProperties) {
		if (host.Plugins().PropertyOwner(preset) == nullptr) {
			throw InputError(origin + ": root_properties: no loaded plug-in registers a property named \"" +
			                 ToUtf8(preset) + "\"");
		}
	}
	host.ResetScene();
	host_core::SceneBuilder builder(host);
	ObjectsByName objects;
	for (const ObjectSpec& described : scene.objects) {
		AddObject(described, builder.Root(), builder, objects);
	}
	for (const std::wstring& preset : scene.rootProperties) {
		builder.AddProperty(builder.Root(), preset);
	}
	SelectByName(scene.selection, objects, host);
	return objects;
}

void SelectByName(const std::vector<std::wstring>& names, const ObjectsByName& objects, host_core::Host& host)
{
	host.ClearSelection();
	for (const std::wstring& name : names) {
		auto found = objects.find(name);
		if (found == objects.end()) {
			throw InputError("--select: no object is called \"" + ToUtf8(name) + "\"");
		}
		host.Select(host_core::Host::HandleOf(found->second));
	}
}

} // namespace quillmere_host
