// Loading the plug-in module a run names, as the host loads its plug-ins.
#include "plugin_loading.h"

#include "base/program_errors.h"
#include "base/quoted_text.h"

#include <filesystem>

namespace quillmere_host {

const wchar_t* const kCommand = L"Quillmere";

void CheckPluginPath(const std::string& path)
{
	std::error_code error;
	std::filesystem::file_status status = std::filesystem::status(path, error);
	if (!std::filesystem::exists(status) || std::filesystem::is_regular_file(status)) {
		return;
	}
	const char* kind = std::filesystem::is_directory(status) ? "a folder"
	                   : std::filesystem::is_fifo(status)    ? "a FIFO (a named pipe)"
	                   : std::filesystem::is_socket(status)  ? "a socket"
	                   : std::filesystem::is_character_file(status) || std::filesystem::is_block_file(status)
	                       ? "a device"
	                       : "not a regular file";
	throw InputError("--plugin: " + Excerpt(path) + " is " + kind + ", not a module file");
}

host_engine::LoadedPlugin& LoadPlugin(host_engine::Host& host, std::string path)
{
	// A path the user gives is a path: a bare file name would make the
	// system loader search its library path instead of this folder.
	if (!std::filesystem::path(path).has_parent_path()) {
		path = (std::filesystem::path(".") / path).string();
	}
	std::string error;
	host_engine::LoadedPlugin* plugin = host.Plugins().Load(path, &error);
	if (plugin == nullptr) {
		// The host names the module whole, then says what the loader or the
		// module said (an exception's text, say): each is shown shortly.
		if (error.compare(0, path.size() + 2, path + ": ") == 0) {
			error = Excerpt(path) + ": " + Excerpt(error.substr(path.size() + 2));
		}
		throw ModuleError(error);
	}
	std::string execute = host_engine::CallbackName(kCommand, "Execute");
	if (!host.Commands().Has(kCommand) || plugin->module.Find(execute) == nullptr) {
		throw ModuleError(Excerpt(path) + ": the module does not provide the Quillmere command (no " + execute + ")");
	}
	return *plugin;
}

} // namespace quillmere_host
