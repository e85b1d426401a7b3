#include "program_paths.h"

#include <filesystem>

#ifdef _WIN32
#include <windows.h>
#endif

namespace quillmere_host {

namespace {

std::filesystem::path ExecutableFolder()
{
#ifdef _WIN32
	char buffer[MAX_PATH * 4];
	DWORD length = GetModuleFileNameA(nullptr, buffer, sizeof(buffer));
	return std::filesystem::path(std::string(buffer, length)).parent_path();
#else
	std::error_code ignored;
	return std::filesystem::read_symlink("/proc/self/exe", ignored).parent_path();
#endif
}

} // namespace

std::string DefaultPluginPath()
{
#ifdef _WIN32
	const char* kModuleFile = "Quillmere.dll";
#else
	const char* kModuleFile = "Quillmere.so";
#endif
	return (ExecutableFolder() / kModuleFile).string();
}

std::string DefaultScenePath()
{
	return QUILLMERE_SAMPLE_SCENE;
}

} // namespace quillmere_host
