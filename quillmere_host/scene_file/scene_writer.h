// Writing the host's scene back in the scene-file format, as it is walked.
#ifndef QUILLMERE_HOST_SCENE_WRITER_H
#define QUILLMERE_HOST_SCENE_WRITER_H

#include "base/output_buffer.h"

#include "engine/host.h"

#include <string>

namespace quillmere_host {

// The scene, objects and constraints in host order: one object a line, its
// children on the lines below it, two blanks deeper.
void WriteScene(const host_engine::Host& host, OutputBuffer& out);

// The same, as text.
std::string SceneToJson(const host_engine::Host& host);

} // namespace quillmere_host

#endif
