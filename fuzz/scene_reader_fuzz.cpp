// Fuzzes the scene-file reader: any text is either refused with one short
// line that says where, or read into a scene that builds and writes back
// stably.
#include "base/program_errors.h"
#include "scene_file/scene_building.h"
#include "scene_file/scene_reader.h"
#include "scene_file/scene_writer.h"

#include "engine/current_host.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace {

const char* const kOrigin = "fuzz.json";

void Require(bool condition)
{
	if (!condition) {
		__builtin_trap();
	}
}

// One line that starts with the file's name, and short: a message quotes at
// most an excerpt of what it read, however long.
bool IsOneLineError(const std::string& message)
{
	const size_t kLongestMessage = 600;
	return !message.empty() && message.find('\n') == std::string::npos && message.size() <= kLongestMessage &&
	       message.compare(0, std::char_traits<char>::length(kOrigin), kOrigin) == 0;
}

// The objects at the top of the scene, under its root.
size_t TopLevelObjects(const quillmere_host::SceneBlueprint& scene)
{
	size_t count = 0;
	for (const quillmere_host::SceneBlueprint::Object& object : scene.objects) {
		count += object.parent == quillmere_host::SceneBlueprint::kNone ? 1 : 0;
	}
	return count;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
	using namespace quillmere_host;
	host_engine::Host& host = host_engine::CurrentHost();
	host.ResetScene();
	size_t emptyScene = host.Scene().Objects().LiveCount();

	std::string text(reinterpret_cast<const char*>(data), size);
	SceneBlueprint scene;
	try {
		scene = ReadSceneBlueprintText(text, kOrigin);
	} catch (const InputError& error) {
		Require(IsOneLineError(error.what()));
		return 0;
	}
	try {
		BuildScene(scene, host, kOrigin);
	} catch (const InputError& error) {
		// Refused (a root property no plug-in registers here): nothing was built.
		Require(IsOneLineError(error.what()));
		Require(host.Scene().Objects().LiveCount() == emptyScene);
		return 0;
	}
	// What was read writes back as a scene that reads and writes the same,
	// with as many objects at its top.
	std::string written = SceneToJson(host);
	SceneBlueprint again = ReadSceneBlueprintText(written, "written.json");
	Require(TopLevelObjects(again) == TopLevelObjects(scene));
	BuildScene(again, host, "written.json");
	Require(SceneToJson(host) == written);
	return 0;
}
