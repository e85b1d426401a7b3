// Reading a scene file: its JSON's events through the scene's grammar, from
// a file as it streams or from text in memory.
#include "scene_file/scene_reader.h"

#include "base/program_errors.h"
#include "base/quoted_text.h"
#include "scene_file/json_events.h"
#include "scene_file/scene_checker.h"
#include "scene_file/scene_input.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>

namespace quillmere_host {

namespace {

SceneBlueprint Read(SceneInput& input, const std::string& origin, uint64_t bytes)
{
	SceneBlueprint scene;
	SceneChecker checker(input, origin, scene);
	checker.ReserveFor(bytes);
	ReadJsonEvents(input, origin, checker);
	checker.Finish();
	return scene;
}

} // namespace

SceneBlueprint ReadSceneBlueprintText(const std::string& text, const std::string& origin)
{
	SceneInput input(text);
	return Read(input, origin, text.size());
}

SceneBlueprint ReadSceneBlueprint(const std::string& path)
{
	std::error_code ignored;
	if (std::filesystem::is_directory(path, ignored)) {
		throw InputError(Excerpt(path) + ": is a folder, not a scene file");
	}
	std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
	if (!file) {
		throw InputError(Excerpt(path) + ": cannot read the scene file: " + std::strerror(errno));
	}
	SceneInput input(file.get(), path);
	// A pipe or a device has no size: its scene grows as it comes.
	uint64_t bytes = std::filesystem::is_regular_file(path, ignored) ? std::filesystem::file_size(path, ignored) : 0;
	return Read(input, path, bytes == static_cast<uint64_t>(-1) ? 0 : bytes);
}

} // namespace quillmere_host
