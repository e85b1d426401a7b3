// A scene as a scene file describes it, as a tree of values: easy to
// inspect for small scenes and tests. Large scenes stay in a SceneBlueprint.
#ifndef QUILLMERE_HOST_SCENE_DESCRIPTION_H
#define QUILLMERE_HOST_SCENE_DESCRIPTION_H

#include "scene_file/scene_blueprint.h"

#include <xsi_decl.h>

#include <string>
#include <vector>

namespace quillmere_host {

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

SceneDescription DescribeScene(const SceneBlueprint& scene);

} // namespace quillmere_host

#endif
