#include "command_line.h"

#include "base/file_place.h"
#include "base/program_errors.h"
#include "base/quoted_text.h"

#include <algorithm>
#include <set>
#include <string_view>

namespace quillmere_host {

namespace {

// "--name value" or "--name=value"; true when `arg` is option `name`.
bool TakeValue(const std::string& name, const std::string& arg, int argc, const char* const* argv, int& i,
               std::string& value)
{
	if (arg == name) {
		if (i + 1 >= argc) {
			throw InputError(name + ": needs a value (see --help)");
		}
		std::string next = argv[i + 1];
		// "--scene --page OK" lacks the scene, it does not name a file "--page";
		// a value that really starts with '-' is given as --scene=-file.
		if (next.size() > 1 && next[0] == '-') {
			throw InputError(name + ": needs a value, and " + Quoted(next) +
			                 " is an option (for a value that starts with '-', write " + name + "=VALUE)");
		}
		value = next;
		++i;
		return true;
	}
	if (arg.compare(0, name.size() + 1, name + "=") == 0) {
		value = arg.substr(name.size() + 1);
		return true;
	}
	return false;
}

// The option `arg` gives ("--page" for "--page=...", "--help" for "-h"), for telling repeats.
std::string OptionName(const std::string& arg)
{
	return arg == "-h" ? "--help" : arg.substr(0, arg.find('='));
}

} // namespace

Options ParseCommandLine(int argc, const char* const* argv)
{
	Options options;
	std::set<std::string> given;
	for (int i = 1; i < argc; ++i) {
		std::string arg = argv[i];
		std::string report;
		std::string reading;
		// Given twice, which one was meant? Neither is taken.
		if ((arg == "-h" || arg.compare(0, 2, "--") == 0) && !given.insert(OptionName(arg)).second) {
			throw InputError(Excerpt(OptionName(arg)) + ": given more than once");
		}
		if (arg == "--help" || arg == "-h") {
			options.help = true;
		} else if (arg == "--version") {
			options.version = true;
		} else if (arg == "--undo") {
			options.undo = true;
		} else if (arg == "--timings") {
			options.timings = true;
		} else if (arg == "--trace") {
			options.trace = true;
		} else if (TakeValue("--scene", arg, argc, argv, i, options.scene)) {
			if (options.scene.empty()) {
				throw InputError("--scene: needs a file name");
			}
		} else if (TakeValue("--plugin", arg, argc, argv, i, options.plugin)) {
			if (options.plugin.empty()) {
				throw InputError("--plugin: needs a module file name");
			}
		} else if (TakeValue("--select", arg, argc, argv, i, options.select)) {
			options.selectGiven = true;
		} else if (TakeValue("--page", arg, argc, argv, i, options.page)) {
			options.pageGiven = true;
		} else if (TakeValue("--out", arg, argc, argv, i, options.out)) {
			if (options.out.empty()) {
				throw InputError("--out: needs a file name");
			}
		} else if (TakeValue("--reading", arg, argc, argv, i, reading)) {
			std::string error;
			if (!options.readings.Parse(reading, &error, Quoted)) {
				throw InputError("--reading: " + error);
			}
		} else if (TakeValue("--report", arg, argc, argv, i, report)) {
			if (report != "text" && report != "json") {
				throw InputError("--report: " + Quoted(report) + " is not a report kind (text or json)");
			}
			options.jsonReport = report == "json";
		} else {
			throw InputError("unknown argument " + Quoted(arg) + " (see --help)");
		}
	}
	return options;
}

namespace {

// The readings, their alternatives and what each means, the defaults first.
std::string ReadingsHelp()
{
	std::string text = "\nHost readings (the first alternative of each is the default):\n";
	for (const host_engine::ReadingInfo& info : host_engine::kReadings) {
		text += "  " + std::string(info.name) + ": " + info.question + "\n";
		for (const host_engine::ReadingAlternative& alternative : info.alternatives) {
			text += "    " + std::string(alternative.name) + ": " + alternative.meaning + "\n";
		}
	}
	return text;
}

std::string Usage()
{
	return R"(Usage: quillmere-host [OPTIONS]

Runs the Quillmere command the way the host does: loads the plug-in module,
builds the scene from a scene file, shows the option page and reports what
the command deleted.

Options:
  --scene FILE          the scene to load (default: the bundled sample rig)
  --plugin MODULE       the plug-in module (default: the one beside this program)
  --select NAMES        comma-separated object names, each at most once,
                        selected in that order instead of the scene file's
                        selection ("" selects nothing)
  --page STEPS          the answers on the option page, run in order: an
                        option's name or label (Pos, Position) flips it,
                        NAME=on or NAME=off sets it, a button's script name or
                        label (AllOff) clicks it; last OK or Cancel. Any case;
                        a label with its blanks or without them
                        ("All OFF Chain Up Vector=on OK").
                        Without it: standard input a terminal, the page on
                        that terminal, whatever the outputs are (its focus
                        starts on the first option; Tab and the arrows move
                        it, Space flips or clicks, Enter is OK but on
                        Cancel, Escape or q cancels; or the same words at a
                        dumb terminal); otherwise the same words, read from
                        standard input a line at a time (a word the page
                        lacks: exit 2; input ending before OK or Cancel,
                        with answers or none, </dev/null too: cancelled).
                        A script that means OK says --page OK.
  --report text|json    the report on standard output (default: text): what
                        the command deleted, and what stayed on the selected
                        3D objects and why ("kept" in JSON); on a terminal
                        each list shows its first 100 objects, and --trace
                        its first 100 calls
  --out FILE            write the scene after a run whose page was confirmed
                        and whose command succeeded, atomically (through a
                        symbolic link; a replaced file keeps its permissions,
                        ACL and other extended attributes (or is not
                        replaced: exit 1), owner and group); a cancelled or
                        failed run leaves FILE as it was. Refused before the
                        run: a file this user may not write or replace, a
                        missing folder, a link loop, a file with other hard links,
                        this program's own standard input, output or error
                        (/dev/stdout); on Windows, a device name (NUL,
                        nul.json, COM1) or a file's :stream
  --undo                after the run, undo it as one step and report whether
                        the scene equals the one loaded; --out gets the
                        command's result, from before the undo
  --trace               add every call the plug-in made to the host, in order,
                        to the report (a "calls" array in JSON); for small
                        scenes: a pass makes about a dozen calls per object
  --reading NAME=ALTERNATIVE[,NAME=ALTERNATIVE...] or --reading defaults
                        play the host the way it may answer where its
                        documentation leaves it open (see "Host readings"
                        below; "defaults", every default, stands alone);
                        the report names the readings taken
  --timings             print the time each phase took (read, build, page,
                        command, write, report, total), in seconds, as one
                        JSON line on standard error
  -h, --help            show this help
  --version             show the version

Each option is given at most once. A value that starts with '-' is given
joined to its option: --out=-scene.json.
Exit status: 0 when the command ran (confirmed or cancelled, by a key or a
word), 2 for bad input, 1 when the module can't be loaded, its command
fails, a file can't be written or memory runs out. A SIGINT (Ctrl-C at the
line prompt), SIGTERM or SIGHUP (a closed terminal) while the page is up
cancels it: the run is reported, then ends by that signal (128+N: 130, 143,
129). A signal while --out is being written removes the unfinished file and
ends the program as the signal would.
)";
}

} // namespace

std::string HelpText()
{
	return Usage() + ReadingsHelp();
}

} // namespace quillmere_host
