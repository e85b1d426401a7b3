// The scene file's key spellings and class names, each said once.
#include "scene_file/scene_format.h"

namespace quillmere_host {

namespace {

struct SceneClass {
	const char* name;
	XSI::siClassID classId;
};

// In the order the error on an unknown class lists them.
const SceneClass kSceneClasses[] = {
    {"X3DObject", XSI::siX3DObjectID},         {"Model", XSI::siModelID},
    {"ChainRoot", XSI::siChainRootID},         {"ChainBone", XSI::siChainBoneID},
    {"ChainEffector", XSI::siChainEffectorID}, {"Group", XSI::siGroupID},
};

} // namespace

std::string_view SceneKeyText(SceneKey key)
{
	for (const SceneKeyName& known : kSceneKeyNames) {
		if (known.key == key) {
			return known.name;
		}
	}
	return std::string_view();
}

XSI::siClassID SceneClassFromName(std::string_view name)
{
	for (const SceneClass& known : kSceneClasses) {
		if (name == known.name) {
			return known.classId;
		}
	}
	return XSI::siUnknownClassID;
}

const char* SceneClassName(XSI::siClassID classId)
{
	for (const SceneClass& known : kSceneClasses) {
		if (classId == known.classId) {
			return known.name;
		}
	}
	return nullptr;
}

std::string SceneClassList()
{
	std::string list;
	size_t count = sizeof(kSceneClasses) / sizeof(kSceneClasses[0]);
	for (size_t i = 0; i < count; ++i) {
		list += (i == 0 ? "" : i + 1 == count ? " or " : ", ") + std::string(kSceneClasses[i].name);
	}
	return list;
}

} // namespace quillmere_host
