// A scene file's scene as a tree of values, for tests to inspect: the
// program itself keeps scenes in a SceneBlueprint.
#ifndef QUILLMERE_TESTS_SCENE_DESCRIPTION_H
#define QUILLMERE_TESTS_SCENE_DESCRIPTION_H

#include "scene_file/scene_blueprint.h"

#include <xsi_decl.h>

#include <string>
#include <vector>

namespace quillmere_tests {

struct ConstraintDescription {
	std::wstring name;
	std::wstring type; // kept and written back, never matched on
};

struct ObjectDescription {
	std::wstring name;
	XSI::siClassID classId = XSI::siX3DObjectID;
	std::vector<ConstraintDescription> constraints;
	std::vector<std::wstring> operators;
	std::vector<ObjectDescription> children;
};

struct SceneDescription {
	std::vector<ObjectDescription> objects;
	std::vector<std::wstring> selection;
	std::vector<std::wstring> rootProperties;
};

SceneDescription DescribeScene(const quillmere_host::SceneBlueprint& scene);

// A scene file, or text in memory named `origin` in messages, read as the
// program reads it (throwing its InputError) and described.
SceneDescription ReadSceneFile(const std::string& path);
SceneDescription ReadSceneText(const std::string& text, const std::string& origin);

} // namespace quillmere_tests

#endif
