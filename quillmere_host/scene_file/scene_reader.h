// Reading a scene file: JSON in, streamed and checked as it comes, a compact
// scene out. Nothing is built from a file that is refused.
#ifndef QUILLMERE_HOST_SCENE_READER_H
#define QUILLMERE_HOST_SCENE_READER_H

#include "scene_file/scene_blueprint.h"
#include "scene_file/scene_format.h"

#include <string>

namespace quillmere_host {

// Throws InputError ("FILE:LINE:COLUMN: what is wrong") at the first byte
// that can't belong in a scene: a file that is unreadable, not JSON, not
// UTF-8 (a NUL byte included), or not a valid scene, or a value longer than
// kMaxValueBytes. A pipe or a device is read as it streams; memory follows
// what has been read, not the file's size.
SceneBlueprint ReadSceneBlueprint(const std::string& path);

// The same for text already in memory; `origin` names it in messages.
SceneBlueprint ReadSceneBlueprintText(const std::string& text, const std::string& origin);

} // namespace quillmere_host

#endif
