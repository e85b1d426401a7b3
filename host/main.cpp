// quillmere-host: the Quillmere command on a scene file, as the host runs it.
#include "atomic_file.h"
#include "command_line.h"
#include "input_error.h"
#include "page_drivers.h"
#include "program_paths.h"
#include "run_report.h"
#include "scene_building.h"
#include "scene_reader.h"
#include "scene_writer.h"
#include "text_encoding.h"

#include "core/plugin_host.h"

#include <xsi_application.h>

#include <iostream>
#include <memory>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace quillmere_host {

namespace {

const wchar_t* const kCommand = L"Quillmere";

bool InputIsTerminal()
{
#ifdef _WIN32
	// _isatty is true for NUL too; only a console has a console mode.
	DWORD mode = 0;
	return GetConsoleMode(GetStdHandle(STD_INPUT_HANDLE), &mode) != 0;
#else
	return isatty(0) != 0;
#endif
}

std::vector<std::wstring> SplitNames(const std::string& list)
{
	std::vector<std::wstring> names;
	size_t start = 0;
	while (!list.empty() && start <= list.size()) {
		size_t comma = list.find(',', start);
		if (comma == std::string::npos) {
			comma = list.size();
		}
		std::string name = list.substr(start, comma - start);
		if (name.empty()) {
			throw InputError("--select: an empty name in \"" + list + "\"");
		}
		names.push_back(FromUtf8(name));
		start = comma + 1;
	}
	return names;
}

host_core::LoadedPlugin& LoadPlugin(host_core::Host& host, const std::string& path)
{
	std::string error;
	host_core::LoadedPlugin* plugin = host.Plugins().Load(path, &error);
	if (plugin == nullptr) {
		throw ModuleError(error);
	}
	std::string execute = host_core::CallbackName(kCommand, "Execute");
	if (!host.HasCommand(kCommand) || plugin->module.Find(execute) == nullptr) {
		throw ModuleError(path + ": the module does not provide the Quillmere command (no " + execute + ")");
	}
	return *plugin;
}

std::unique_ptr<RecordingPageDriver> ChooseDriver(const Options& options)
{
	if (options.pageGiven) {
		return std::unique_ptr<RecordingPageDriver>(new ScriptedPageDriver(ParsePageSteps(options.page)));
	}
	if (InputIsTerminal()) {
		// Keep standard output a single JSON document when one was asked for.
		std::ostream& screen = options.jsonReport ? std::cerr : std::cout;
		return std::unique_ptr<RecordingPageDriver>(new TerminalPageDriver(std::cin, screen));
	}
	return std::unique_ptr<RecordingPageDriver>(new ConfirmingPageDriver);
}

int Run(const Options& options)
{
	std::unique_ptr<RecordingPageDriver> driver = ChooseDriver(options);
	std::vector<std::wstring> selection;
	if (options.selectGiven) {
		selection = SplitNames(options.select);
	}
	std::string scenePath = options.scene.empty() ? DefaultScenePath() : options.scene;
	if (!options.out.empty()) {
		if (IsSameFile(options.out, scenePath)) {
			throw InputError("--out: " + options.out + " is the input scene file, which is never written");
		}
		if (ExistsAsNonRegularFile(options.out)) {
			// Renaming over a device or a folder would destroy it.
			throw InputError("--out: " + options.out + " exists and is not a regular file");
		}
	}
	SceneDescription scene = ReadSceneFile(scenePath);

	host_core::Host& host = host_core::Host::Current();
	LoadPlugin(host, options.plugin.empty() ? DefaultPluginPath() : options.plugin);
	ObjectsByName objects = BuildScene(scene, host, scenePath);
	if (options.selectGiven) {
		SelectByName(selection, objects, host);
	}

	std::string loaded = options.undo ? SceneToJson(host) : std::string();
	host.SetPageDriver(driver.get());
	XSI::CValueArray args;
	XSI::CValue result;
	XSI::CStatus status = XSI::Application().ExecuteCommand(kCommand, args, result);
	host.SetPageDriver(nullptr);
	RunRecord run;
	if (options.undo) {
		run.undone = host.Undo();
		run.restored = run.undone && SceneToJson(host) == loaded;
	}

	ScriptedPageDriver* scripted = dynamic_cast<ScriptedPageDriver*>(driver.get());
	if (scripted && !scripted->Error().empty()) {
		throw InputError(scripted->Error());
	}
	if (!options.out.empty()) {
		std::string error;
		if (!WriteFileAtomically(options.out, SceneToJson(host), &error)) {
			std::cerr << "quillmere-host: " << error << "\n";
			return kExitModuleFailure;
		}
	}
	run.page = driver->Outcome();
	run.status = static_cast<long long>(static_cast<unsigned int>(status.GetCode()));
	std::cout << (options.jsonReport ? JsonReport(run, host) : TextReport(run, host));
	return kExitOk;
}

} // namespace

} // namespace quillmere_host

int main(int argc, char** argv)
{
	using namespace quillmere_host;
#ifdef _WIN32
	// Reports read the same on every system: no CR before each LF.
	_setmode(_fileno(stdout), _O_BINARY);
#endif
	int exitStatus = kExitOk;
	try {
		Options options = ParseCommandLine(argc, argv);
		if (options.help) {
			std::cout << HelpText();
		} else if (options.version) {
			std::cout << "quillmere-host " << QUILLMERE_VERSION << "\n";
		} else {
			exitStatus = Run(options);
		}
	} catch (const InputError& error) {
		std::cerr << "quillmere-host: " << error.what() << "\n";
		exitStatus = kExitBadInput;
	} catch (const ModuleError& error) {
		std::cerr << "quillmere-host: " << error.what() << "\n";
		exitStatus = kExitModuleFailure;
	}
	host_core::Host::Current().Plugins().UnloadAll();
	return exitStatus;
}
