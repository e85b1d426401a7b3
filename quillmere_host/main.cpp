// quillmere-host: the Quillmere command on a scene file, as the host runs it.
#include "output/atomic_file.h"
#include "command_line.h"
#include "page/controlling_terminal.h"
#include "base/program_errors.h"
#include "page/page_interrupt.h"
#include "page/page_step_driver.h"
#include "page/page_steps.h"
#include "page/piped_answers.h"
#include "page/standard_input_page.h"
#include "program_paths.h"
#include "base/quoted_text.h"
#include "output/run_report.h"
#include "scene_file/scene_building.h"
#include "scene_file/scene_reader.h"
#include "scene_file/scene_writer.h"
#include "scene_file/selection_list.h"
#include "base/text_encoding.h"

#include "engine/current_host.h"
#include "engine/plugin_host.h"

#include <xsi_application.h>

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>
#include <new>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

namespace quillmere_host {

namespace {

const wchar_t* const kCommand = L"Quillmere";

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
	if (!host.HasCommand(kCommand) || plugin->module.Find(execute) == nullptr) {
		throw ModuleError(Excerpt(path) + ": the module does not provide the Quillmere command (no " + execute + ")");
	}
	return *plugin;
}

std::unique_ptr<host_engine::RecordingPageDriver> ChooseDriver(const Options& options,
                                                               const std::vector<PageStep>& steps)
{
	if (options.pageGiven) {
		return std::unique_ptr<host_engine::RecordingPageDriver>(new PageStepDriver(steps));
	}
	return StandardInputPageDriver(options.scene);
}

// How long each phase of a run took, for --timings.
class PhaseTimes
{
public:
	// Ends the phase running since the last call (or since the start).
	void End(const char* phase)
	{
		auto now = std::chrono::steady_clock::now();
		m_phases.emplace_back(phase, std::chrono::duration<double>(now - m_last).count());
		m_last = now;
	}
	// Ends the phase running since the last call, counted into `phase`, an
	// earlier one.
	void EndInto(const char* phase)
	{
		auto now = std::chrono::steady_clock::now();
		double seconds = std::chrono::duration<double>(now - m_last).count();
		m_last = now;
		for (auto& entry : m_phases) {
			if (entry.first == phase) {
				entry.second += seconds;
				return;
			}
		}
		m_phases.emplace_back(phase, seconds);
	}
	// Moves `seconds` of the phase `from` into a phase of its own, before it.
	void Split(const char* from, const char* phase, double seconds)
	{
		for (auto entry = m_phases.begin(); entry != m_phases.end(); ++entry) {
			if (entry->first == from) {
				entry->second -= seconds;
				m_phases.emplace(entry, phase, seconds);
				return;
			}
		}
	}
	std::string Json() const
	{
		std::string out = "{";
		double total = 0;
		for (const auto& entry : m_phases) {
			out += "\"" + entry.first + "\": " + Seconds(entry.second) + ", ";
			total += entry.second;
		}
		return out + "\"total\": " + Seconds(total) + "}";
	}

private:
	static std::string Seconds(double seconds)
	{
		char text[32];
		std::snprintf(text, sizeof(text), "%.4f", seconds);
		return text;
	}

	std::chrono::steady_clock::time_point m_last = std::chrono::steady_clock::now();
	std::vector<std::pair<std::string, double>> m_phases;
};

// Standard output failing (a full disk) is the report failing, whether a
// buffer of it or its last bytes were being written.
[[noreturn]] void ReportNotWritten()
{
	throw OutputError("cannot write the report: " + std::string(std::strerror(errno)));
}

OutputBuffer::Sink IntoStandardOutput()
{
	return [](const char* data, size_t size) {
		if (std::fwrite(data, 1, size, stdout) != size) {
			ReportNotWritten();
		}
	};
}

// Refused before anything runs, as bad input: nothing is written.
void CheckOutPath(const std::string& out, const std::string& scenePath)
{
	if (IsSameFile(out, scenePath)) {
		throw InputError("--out: " + Excerpt(out) + " is the input scene file, which is never written");
	}
	std::string refused = ReasonCannotWrite(out);
	if (!refused.empty()) {
		throw InputError("--out: " + Excerpt(out) + " " + refused);
	}
}

// A module is a file. Anything else is refused at once: a FIFO would hold
// the loader until someone wrote to it. A missing one is the loader's to say.
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

const char* SignalName(int signal)
{
	switch (signal) {
	case SIGINT: return "SIGINT";
	case SIGTERM: return "SIGTERM";
	default: return "SIGHUP";
	}
}

void WriteSceneFile(const std::string& path, const host_engine::Host& host)
{
	AtomicFile file;
	std::string error;
	if (!file.Open(path, &error)) {
		throw OutputError(error);
	}
	OutputBuffer out([&file, &error](const char* data, size_t size) {
		if (!file.Write(data, size, &error)) {
			throw OutputError(error);
		}
	});
	WriteScene(host, out);
	if (!file.Commit(&error)) {
		throw OutputError(error);
	}
	if (!file.Note().empty()) {
		std::cerr << "quillmere-host: " << OneLine(file.Note()) << "\n";
	}
}

int Run(const Options& options)
{
	PhaseTimes times;
	std::vector<PageStep> steps = options.pageGiven ? ParsePageSteps(options.page) : std::vector<PageStep>();
	std::unique_ptr<host_engine::RecordingPageDriver> driver = ChooseDriver(options, steps);
	std::vector<SelectedName> selection;
	if (options.selectGiven) {
		selection = ParseSelection(options.select);
	}
	std::string scenePath = options.scene.empty() ? DefaultScenePath() : options.scene;
	std::string pluginPath = options.plugin.empty() ? DefaultPluginPath() : options.plugin;
	CheckPluginPath(pluginPath);
	if (!options.out.empty()) {
		CheckOutPath(options.out, scenePath);
	}
	SceneBlueprint scene = ReadSceneBlueprint(scenePath);
	times.End("read");

	host_engine::Host& host = host_engine::CurrentHost();
	host.Readings() = options.readings;
	if (options.trace) {
		host.Journal().Start(); // from registration on
	}
	LoadPlugin(host, pluginPath);
	BuiltObjects objects = BuildScene(scene, host, scenePath);
	if (options.selectGiven) {
		SelectByName(selection, scene, objects, host);
	}
	scene = SceneBlueprint(); // no longer needed: its memory goes back before the run
	objects = BuiltObjects();
	std::string loaded = options.undo ? SceneToJson(host) : std::string();
	times.End("build");

	host.SetPageDriver(driver.get());
	XSI::CValueArray args;
	XSI::CValue result;
	XSI::CStatus status = XSI::Application().ExecuteCommand(kCommand, args, result);
	host.SetPageDriver(nullptr);
	times.End("command");
	times.Split("command", "page", driver->Record().seconds);

	auto* stepped = dynamic_cast<PageStepDriver*>(driver.get());
	if (stepped != nullptr && stepped->Refused() != nullptr) {
		throw InputError(DescribeRefusal(*stepped->Refused()));
	}
	auto* piped = dynamic_cast<PipedAnswersDriver*>(driver.get());
	if (piped != nullptr && !piped->Refusal().empty()) {
		throw InputError(piped->Refusal());
	}
	// Only a command that succeeded after its page was confirmed is the
	// user's result. A failed one left the scene as it left it; a cancelled
	// page (a key, a word, a signal, a closed terminal) asked for nothing,
	// and neither did a run whose page never opened. Either way an earlier
	// file stays as it was.
	bool commandRan = status == XSI::CStatus::OK;
	bool shown = driver->Record().timesShown > 0;
	bool cancelled = shown && !driver->Record().confirmed;
	if (!options.out.empty() && commandRan && driver->Record().confirmed) {
		WriteSceneFile(options.out, host);
	}
	times.End("write");
	RunRecord run;
	if (options.undo) {
		// After the write: the file holds what the command did, as the report lists it.
		run.undone = host.Undo();
		run.restored = run.undone && SceneToJson(host) == loaded;
	}
	times.EndInto("command");
	run.page = driver->Record();
	run.traced = options.trace;
	run.readings = options.readings.IsDefault() ? std::string() : options.readings.Text();
	run.status = static_cast<long long>(static_cast<unsigned int>(status.GetCode()));
	try {
		OutputBuffer report(IntoStandardOutput());
		if (options.jsonReport) {
			WriteJsonReport(run, host, report);
		} else {
			// A screenful on a terminal; whole into a file or a pipe.
			WriteTextReport(run, host, report,
			                IsTerminal(stdout) ? kObjectsListedOnATerminal : static_cast<size_t>(-1));
		}
		if (std::fflush(stdout) != 0) {
			ReportNotWritten();
		}
	} catch (const OutputError&) {
		// A hangup closed the terminal the report was going to: the signal,
		// which ends the program, says how the run ended.
		if (PageInterrupt::LastSignal() == 0) {
			throw;
		}
	}
	times.End("report");
	if (options.timings) {
		std::cerr << "timings: " << times.Json() << "\n";
	}
	if (!commandRan) {
		// The command failed in the module (an exception, say): reported above.
		std::cerr << "quillmere-host: the Quillmere command failed (status " << run.status << "); see the log"
		          << (options.out.empty() ? "" : "; --out was not written") << "\n";
		return kExitFailure;
	}
	if (cancelled && !options.out.empty()) {
		std::cerr << "quillmere-host: the option page was cancelled"
		          << (PageInterrupt::LastSignal() != 0 ? std::string(" by ") + SignalName(PageInterrupt::LastSignal())
		                                               : std::string())
		          << "; --out was not written\n";
	} else if (!shown && !options.out.empty()) {
		std::cerr << "quillmere-host: the command showed no option page to confirm; --out was not written\n";
	}
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
#ifdef __GLIBC__
	// Freed memory stays with the program for the next phase to reuse: the
	// scene file's blueprint, freed before the run, becomes its undo record
	// instead of going back to the kernel and being faulted in again.
	mallopt(M_MMAP_THRESHOLD, 1 << 30);
	mallopt(M_TRIM_THRESHOLD, -1);
#endif
#ifdef SIGXFSZ
	// Past a file-size limit a write fails with EFBIG, reported as a full
	// disk is, the temporary file removed, rather than the signal killing
	// the program silently halfway.
	std::signal(SIGXFSZ, SIG_IGN);
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
	} catch (const ProgramError& error) {
		std::cerr << "quillmere-host: " << error.what() << "\n";
		exitStatus = error.ExitStatus();
	} catch (const std::bad_alloc&) {
		std::cerr << "quillmere-host: out of memory: this scene needs more than the memory the program may use\n";
		exitStatus = kExitFailure;
	}
	host_engine::CurrentHost().Plugins().UnloadAll();
	// The signal that cancelled the page ends the program once the run is
	// reported, as it would have: a shell loop stopped with Ctrl-C (at the
	// line prompt, a SIGINT) stops. Ctrl-C on the full-screen page is a key,
	// not a signal, and cancels like Escape.
	if (PageInterrupt::LastSignal() != 0) {
		// Ended as the signal ends a program (status 128+N in a shell), the
		// run reported and nothing written; unless it is ignored (nohup).
		std::fflush(nullptr);
		std::raise(PageInterrupt::LastSignal());
	}
	return exitStatus;
}
