// Writing the host's scene back in the scene-file format.
#ifndef QUILLMERE_HOST_SCENE_WRITER_H
#define QUILLMERE_HOST_SCENE_WRITER_H

#include "core/host.h"

#include <string>

namespace quillmere_host {

// The scene as scene-file JSON text, objects and constraints in host order.
std::string SceneToJson(const host_core::Host& host);

} // namespace quillmere_host

#endif
