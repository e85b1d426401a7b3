// Reading a scene file: JSON in, a checked SceneDescription out.
#ifndef QUILLMERE_HOST_SCENE_READER_H
#define QUILLMERE_HOST_SCENE_READER_H

#include "scene_description.h"

#include <string>

namespace quillmere_host {

// Throws InputError ("FILE:LINE:COLUMN: what is wrong") for any file that is
// unreadable, not JSON, not UTF-8, or not a valid scene.
SceneDescription ReadSceneFile(const std::string& path);

// The same for text already in memory; `origin` names it in messages.
SceneDescription ReadSceneText(const std::string& text, const std::string& origin);

} // namespace quillmere_host

#endif
