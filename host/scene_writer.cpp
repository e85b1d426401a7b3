#include "scene_writer.h"

#include "text_encoding.h"

#include "core/class_info.h"

#include <nlohmann/json.hpp>

namespace quillmere_host {

namespace {

using Json = nlohmann::ordered_json;
using host_core::kNoSlot;

bool IsSceneObject(XSI::siClassID classId)
{
	return host_core::Is3DObject(classId) || classId == XSI::siGroupID;
}

std::string NameOf(const host_core::ObjectTable& objects, uint32_t slot)
{
	return ToUtf8(objects.Name(slot));
}

Json Constraints(const host_core::ObjectTable& objects, uint32_t kinematics)
{
	Json out = Json::array();
	for (uint32_t c = objects.At(kinematics).firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (objects.At(c).classId != XSI::siConstraintID) {
			continue;
		}
		const std::wstring& type = objects.Names().Text(objects.At(c).auxNameId);
		if (type.empty()) {
			out.push_back(NameOf(objects, c));
		} else {
			out.push_back(Json{{"name", NameOf(objects, c)}, {"type", ToUtf8(type)}});
		}
	}
	return out;
}

Json Operators(const host_core::ObjectTable& objects, uint32_t holder)
{
	Json out = Json::array();
	for (uint32_t c = objects.At(holder).firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (objects.At(c).classId == XSI::siOperatorID) {
			out.push_back(NameOf(objects, c));
		}
	}
	return out;
}

Json Object(const host_core::ObjectTable& objects, uint32_t slot)
{
	const host_core::Node& node = objects.At(slot);
	Json out;
	out["name"] = NameOf(objects, slot);
	out["class"] = ToUtf8(host_core::ClassIdName(node.classId));
	uint32_t kinematics = objects.FindChildOfClass(slot, XSI::siKinematicsID);
	if (kinematics != kNoSlot) {
		Json constraints = Constraints(objects, kinematics);
		if (!constraints.empty()) {
			out["constraints"] = constraints;
		}
	}
	uint32_t holder = node.classId == XSI::siChainBoneID ? objects.FindChildOfClass(slot, XSI::siJointID) : slot;
	Json operators = holder == kNoSlot ? Json::array() : Operators(objects, holder);
	if (!operators.empty()) {
		out["operators"] = operators;
	}
	Json children = Json::array();
	for (uint32_t c = node.firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		if (IsSceneObject(objects.At(c).classId)) {
			children.push_back(Object(objects, c));
		}
	}
	if (!children.empty()) {
		out["children"] = children;
	}
	return out;
}

} // namespace

std::string SceneToJson(const host_core::Host& host)
{
	const host_core::ObjectTable& objects = host.Objects();
	uint32_t root = host.RootSlot();
	Json scene;
	scene["objects"] = Json::array();
	Json rootProperties = Json::array();
	for (uint32_t c = objects.At(root).firstChild; c != kNoSlot; c = objects.At(c).nextSibling) {
		XSI::siClassID classId = objects.At(c).classId;
		if (IsSceneObject(classId)) {
			scene["objects"].push_back(Object(objects, c));
		} else if (classId == XSI::siCustomPropertyID) {
			// Written as the preset it was made from, as the file format reads it.
			rootProperties.push_back(ToUtf8(objects.Names().Text(objects.At(c).auxNameId)));
		}
	}
	Json selection = Json::array();
	for (const host_core::Handle& handle : host.SelectedObjects()) {
		selection.push_back(NameOf(objects, handle.slot));
	}
	scene["selection"] = selection;
	scene["root_properties"] = rootProperties;
	return scene.dump(2) + "\n";
}

} // namespace quillmere_host
