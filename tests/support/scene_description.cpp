// Describing a scene blueprint as a tree, and reading scene files into one.
#include "support/scene_description.h"

#include "base/text_encoding.h"
#include "scene_file/scene_reader.h"

namespace quillmere_tests {

using quillmere_host::SceneBlueprint;

namespace {

std::wstring Wide(const SceneBlueprint& scene, uint32_t text)
{
	std::string_view utf8 = scene.texts.Text(text);
	return quillmere_host::FromUtf8(utf8);
}

ObjectDescription Describe(const SceneBlueprint& scene, uint32_t object,
                           const std::vector<std::vector<uint32_t>>& children,
                           const std::vector<std::vector<ConstraintDescription>>& constraints,
                           const std::vector<std::vector<std::wstring>>& operators)
{
	ObjectDescription described;
	described.name = Wide(scene, scene.objects[object].name);
	described.classId = scene.objects[object].classId;
	described.constraints = constraints[object];
	described.operators = operators[object];
	for (uint32_t child : children[object]) {
		described.children.push_back(Describe(scene, child, children, constraints, operators));
	}
	return described;
}

} // namespace

SceneDescription DescribeScene(const SceneBlueprint& scene)
{
	size_t count = scene.objects.size();
	std::vector<std::vector<uint32_t>> children(count);
	std::vector<uint32_t> top;
	for (uint32_t i = 0; i < count; ++i) {
		uint32_t parent = scene.objects[i].parent;
		(parent == SceneBlueprint::kNone ? top : children[parent]).push_back(i);
	}
	std::vector<std::vector<ConstraintDescription>> constraints(count);
	for (const SceneBlueprint::Constraint& constraint : scene.constraints) {
		constraints[constraint.owner].push_back(
		    ConstraintDescription{Wide(scene, constraint.name), Wide(scene, constraint.type)});
	}
	std::vector<std::vector<std::wstring>> operators(count);
	for (const SceneBlueprint::Operator& op : scene.operators) {
		operators[op.owner].push_back(Wide(scene, op.name));
	}

	SceneDescription description;
	for (uint32_t object : top) {
		description.objects.push_back(Describe(scene, object, children, constraints, operators));
	}
	for (uint32_t object : scene.selection) {
		description.selection.push_back(Wide(scene, scene.objects[object].name));
	}
	for (uint32_t preset : scene.rootProperties) {
		description.rootProperties.push_back(Wide(scene, preset));
	}
	return description;
}

SceneDescription ReadSceneText(const std::string& text, const std::string& origin)
{
	return DescribeScene(quillmere_host::ReadSceneBlueprintText(text, origin));
}

SceneDescription ReadSceneFile(const std::string& path)
{
	return DescribeScene(quillmere_host::ReadSceneBlueprint(path));
}

} // namespace quillmere_tests
