// One run of the program, from the scene file to the report.
#include "run.h"

#include "base/program_errors.h"
#include "base/quoted_text.h"
#include "base/text_encoding.h"
#include "output/atomic_file.h"
#include "output/run_report.h"
#include "output/standard_streams.h"
#include "page/page_screen.h"
#include "page_driver_choice.h"
#include "phase_times.h"
#include "plugin_loading.h"
#include "program_paths.h"
#include "scene_file/scene_building.h"
#include "scene_file/scene_reader.h"
#include "scene_file/scene_writer.h"
#include "scene_file/selection_list.h"
#include "terminal/controlling_terminal.h"
#include "terminal/page_interrupt.h"

#include "engine/current_host.h"
#include "engine/host.h"
#include "engine/plugin_fault.h"

#include <xsi_application.h>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <memory>
#include <vector>

namespace quillmere_host {

namespace {

// Standard output failing (a full disk) is the report failing, whether a
// buffer of it or its last bytes were being written.
[[noreturn]] void ReportNotWritten()
{
	throw OutputError("cannot write the report: " + std::string(std::strerror(errno)));
}

// Refused before anything runs, as bad input: nothing is written.
void CheckOutPath(const std::string& out, const std::string& scenePath)
{
	if (IsSameFile(out, scenePath)) {
		throw InputError("--out: " + Excerpt(out) + " is the input scene file, which is never written");
	}
	if (const char* stream = StandardStreamNamed(out)) {
		// Renamed over, the stream's file would be gone with what it held,
		// and the report would follow it there.
		throw InputError("--out: " + Excerpt(out) + " is this program's " + stream +
		                 ", which is never written over; write the scene to a file of its own");
	}
	std::string refused = ReasonCannotWrite(out);
	if (!refused.empty()) {
		throw InputError("--out: " + Excerpt(out) + " " + refused);
	}
}

const char* SignalName(int signal)
{
	switch (signal) {
	case SIGINT: return "SIGINT";
	case SIGTERM: return "SIGTERM";
	default: return "SIGHUP";
	}
}

void WriteSceneFile(const std::string& path, const host_engine::Host& host, std::ostream& messages)
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
		messages << "quillmere-host: " << OneLine(file.Note()) << "\n";
	}
}

void WriteReport(const Options& options, const RunRecord& run, const host_engine::Host& host, const RunOutput& output)
{
	try {
		OutputBuffer report(output.report);
		if (options.jsonReport) {
			WriteJsonReport(run, host, report);
		} else {
			// A screenful on a terminal; whole into a file or a pipe.
			WriteTextReport(run, host, report,
			                output.reportOnATerminal && output.reportOnATerminal() ? kObjectsListedOnATerminal
			                                                                       : static_cast<size_t>(-1));
		}
		if (output.endReport) {
			output.endReport();
		}
	} catch (const OutputError&) {
		// A hangup closed the terminal the report was going to: the signal,
		// which ends the program, says how the run ended.
		if (PageInterrupt::LastSignal() == 0) {
			throw;
		}
	}
}

// The page driver the host asks while the command runs: the run's own, so
// the host never keeps it past the command, however the command ends.
class CommandPageDriver
{
public:
	CommandPageDriver(host_engine::Host& host, host_engine::PageDriver* driver) : m_host(host)
	{
		m_host.SetPageDriver(driver);
	}
	~CommandPageDriver() { m_host.SetPageDriver(nullptr); }
	CommandPageDriver(const CommandPageDriver&) = delete;
	CommandPageDriver& operator=(const CommandPageDriver&) = delete;

private:
	host_engine::Host& m_host;
};

// A call the host leaves undefined ends the run as a crash in the host
// would: nothing is reported and --out is not written.
template <typename Step> auto UnlessThePluginFaults(const std::string& pluginPath, Step step)
{
	try {
		return step();
	} catch (const host_engine::PluginFault& fault) {
		throw ModuleError(Excerpt(pluginPath) + ": plug-in fault, where the host would crash: " + fault.what());
	}
}

XSI::CStatus RunCommand(host_engine::Host& host, host_engine::PageDriver* driver)
{
	CommandPageDriver installed(host, driver);
	XSI::CValueArray args;
	XSI::CValue result;
	return XSI::Application().ExecuteCommand(kCommand, args, result);
}

} // namespace

RunOutput StandardOutput()
{
	RunOutput output;
	output.report = [](const char* data, size_t size) {
		if (std::fwrite(data, 1, size, stdout) != size) {
			ReportNotWritten();
		}
	};
	output.endReport = [] {
		if (std::fflush(stdout) != 0) {
			ReportNotWritten();
		}
	};
	output.reportOnATerminal = [] { return IsTerminal(stdout); };
	output.messages = &std::cerr;
	return output;
}

void Run(const Options& options, const RunOutput& output)
{
	std::ostream& messages = output.messages != nullptr ? *output.messages : std::cerr;
	PhaseTimes times;
	std::unique_ptr<host_engine::RecordingPageDriver> driver = ChoosePageDriver(options);
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
	UnlessThePluginFaults(pluginPath, [&] { return &LoadPlugin(host, pluginPath); });
	BuiltObjects objects = BuildScene(scene, host, scenePath);
	if (options.selectGiven) {
		SelectByName(selection, scene, objects, host);
	}
	scene = SceneBlueprint(); // no longer needed: its memory goes back before the run
	objects = BuiltObjects();
	std::string loaded = options.undo ? SceneToJson(host) : std::string();
	times.End("build");

	XSI::CStatus status = UnlessThePluginFaults(pluginPath, [&] { return RunCommand(host, driver.get()); });
	times.End("command");
	times.Split("command", "page", driver->Record().seconds);

	ThrowIfRefused(*driver);
	// Only a command that succeeded after its page was confirmed is the
	// user's result. A failed one left the scene as it left it; a cancelled
	// page (a key, a word, a signal, a closed terminal) asked for nothing,
	// and neither did a run whose page never opened. Either way an earlier
	// file stays as it was.
	bool commandRan = status == XSI::CStatus::OK;
	bool shown = driver->Record().timesShown > 0;
	bool cancelled = shown && !driver->Record().confirmed;
	if (!options.out.empty() && commandRan && driver->Record().confirmed) {
		WriteSceneFile(options.out, host, messages);
	}
	times.End("write");
	RunRecord run;
	if (options.undo) {
		// After the write: the file holds what the command did, as the report lists it.
		run.undone = host.UndoSteps().Undo();
		run.restored = run.undone && SceneToJson(host) == loaded;
	}
	times.EndInto("command");
	run.page = driver->Record();
	if (shown) {
		run.pageDrawn = DrawPage(SnapshotOf(run.page));
	}
	run.pageValues = ClosedValuesInPageOrder(run.page);
	run.traced = options.trace;
	run.readings = options.readings.IsDefault() ? std::string() : options.readings.Text();
	run.status = static_cast<long long>(static_cast<unsigned int>(status.GetCode()));
	WriteReport(options, run, host, output);
	times.End("report");
	if (options.timings) {
		messages << "timings: " << times.Json() << "\n";
	}
	if (!commandRan) {
		// The command failed in the module (an exception, say): reported above.
		throw ModuleError("the Quillmere command failed (status " + std::to_string(run.status) + "); see the log" +
		                  (options.out.empty() ? "" : "; --out was not written"));
	}
	// One line: why the page was cancelled when no one's answers closed it,
	// and what that meant for --out.
	std::string unanswered = driver->UnansweredNote();
	if (cancelled && (!unanswered.empty() || !options.out.empty())) {
		std::string why = unanswered;
		if (why.empty()) {
			why = "the option page was cancelled";
			if (PageInterrupt::LastSignal() != 0) {
				why += std::string(" by ") + SignalName(PageInterrupt::LastSignal());
			}
		}
		messages << "quillmere-host: " << why << (options.out.empty() ? "" : "; --out was not written") << "\n";
	} else if (!shown && !options.out.empty()) {
		messages << "quillmere-host: the command showed no option page to confirm; --out was not written\n";
	}
}

} // namespace quillmere_host
