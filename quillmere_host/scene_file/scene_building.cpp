#include "scene_file/scene_building.h"

#include "base/program_errors.h"
#include "base/quoted_text.h"
#include "base/text_encoding.h"

#include "engine/plugin_host.h"
#include "engine/scene_builder.h"

#include <unordered_map>

namespace quillmere_host {

namespace {

// Constraint and operator names repeat across a rig: each is widened once.
class WideTexts
{
public:
	explicit WideTexts(const TextTable& texts) : m_texts(texts) {}
	const std::wstring& Of(uint32_t text)
	{
		auto found = m_wide.find(text);
		if (found == m_wide.end()) {
			found = m_wide.emplace(text, FromUtf8(m_texts.Text(text))).first;
		}
		return found->second;
	}

private:
	const TextTable& m_texts;
	std::unordered_map<uint32_t, std::wstring> m_wide;
};

} // namespace

BuiltObjects BuildScene(const SceneBlueprint& scene, host_engine::Host& host, const std::string& origin)
{
	// Checked before anything is built: a refused scene is never half made.
	for (size_t i = 0; i < scene.rootProperties.size(); ++i) {
		std::string_view preset = scene.texts.Text(scene.rootProperties[i]);
		if (host.Plugins().PropertyOwner(FromUtf8(preset)) == nullptr) {
			Place place = i < scene.rootPropertyPlaces.size() ? scene.rootPropertyPlaces[i] : Place();
			throw InputError(PlacePrefix(origin, place) + "root_properties/" + std::to_string(i) +
			                 ": no loaded plug-in registers a property named " + Quoted(preset));
		}
	}
	// The log is the run's from the module's load on: what a plug-in said
	// while it loaded (or that its init threw) belongs in the report.
	std::vector<host_engine::LogLine> loadLog = host.Log().Lines();
	host.ResetScene();
	for (const host_engine::LogLine& line : loadLog) {
		host.Log().Add(line.message, line.severity);
	}
	host_engine::SceneBuilder builder(host);
	size_t chainBones = 0;
	for (const SceneBlueprint::Object& object : scene.objects) {
		chainBones += object.classId == XSI::siChainBoneID ? 1 : 0;
	}
	builder.Reserve(scene.objects.size(), chainBones, scene.constraints.size(), scene.operators.size());
	XSI::CRef root = builder.Root();
	BuiltObjects objects;
	objects.reserve(scene.objects.size());
	std::wstring name; // one buffer for every object's name
	for (const SceneBlueprint::Object& object : scene.objects) {
		const XSI::CRef& parent = object.parent == SceneBlueprint::kNone ? root : objects[object.parent];
		FromUtf8(scene.texts.Text(object.name), name);
		objects.push_back(builder.AddObject(parent, name, object.classId));
	}
	WideTexts wide(scene.texts);
	for (const SceneBlueprint::Constraint& constraint : scene.constraints) {
		builder.AddConstraint(objects[constraint.owner], wide.Of(constraint.name), wide.Of(constraint.type));
	}
	for (const SceneBlueprint::Operator& op : scene.operators) {
		builder.AddOperator(objects[op.owner], wide.Of(op.name));
	}
	for (uint32_t preset : scene.rootProperties) {
		builder.AddProperty(root, wide.Of(preset));
	}
	for (uint32_t object : scene.selection) {
		builder.Select(objects[object]);
	}
	return objects;
}

void SelectByName(const std::vector<SelectedName>& names, const SceneBlueprint& scene, const BuiltObjects& objects,
                  host_engine::Host& host)
{
	std::vector<XSI::CRef> chosen;
	for (const SelectedName& name : names) {
		uint32_t object = scene.FindObject(name.name);
		if (object == SceneBlueprint::kNone) {
			throw InputError("--select:" + std::to_string(name.column) + ": no object is called " + Quoted(name.name));
		}
		chosen.push_back(objects[object]);
	}
	host.Scene().ClearSelection();
	for (const XSI::CRef& object : chosen) {
		host.Scene().Select(host_engine::Scene::HandleOf(object));
	}
}

} // namespace quillmere_host
