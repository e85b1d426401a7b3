// quillmere-host from the outside: bad input and failing modules, each one
// short line and an exit status, and scenes from files, pipes and devices.
#include "quillmere_host/host_program_runs.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <filesystem>
#include <iterator>
#include <regex>
#include <string>
#include <thread>
#include <vector>

namespace {

using nlohmann::json;
using namespace quillmere_tests;

struct BadInput {
	const char* what;
	std::vector<std::string> args;
	const char* sceneText; // written to scene.json and passed as --scene when set
	const char* expected;  // part of the one-line message
};

// Objects nested one level past the limit.
const std::string& TooDeepScene()
{
	static const std::string text = [] {
		std::string nested = "{\"objects\": [";
		for (int depth = 0; depth <= 256; ++depth) {
			nested += "{\"name\": \"n" + std::to_string(depth) + "\", \"children\": [";
		}
		for (int depth = 0; depth <= 256; ++depth) {
			nested += "]}";
		}
		return nested + "]}";
	}();
	return text;
}

TEST(HostProgram, BadInput_ExitTwoWithOneLineAndNothingWritten)
{
	const std::vector<BadInput> cases = {
	    {"unknown option", {"--frobnicate"}, nullptr, "unknown argument \"--frobnicate\""},
	    {"report kind", {"--report", "xml"}, nullptr, "--report"},
	    {"missing value", {"--page"}, nullptr, "--page: needs a value"},
	    {"page step", {"--page", "AllOff Pos=maybe OK"}, nullptr, "--page:8: step \"Pos=maybe\""},
	    {"page without end", {"--page", "AllOff"}, nullptr, "must end with OK or Cancel"},
	    {"step after OK", {"--page", "OK AllOn"}, nullptr, "nothing may follow OK"},
	    {"unknown button",
	     {"--page", "AllNone OK"},
	     nullptr,
	     "--page:1: the page has no option or button called \"AllNone\" (options: Pos (Position), "},
	    {"unknown parameter", {"--page", "Bogus=on OK"}, nullptr, "no option called \"Bogus\""},
	    {"a button given a value", {"--page", "AllOn=on OK"}, nullptr, "AllOn (All ON) is a button"},
	    {"a typo after good steps",
	     {"--page", "AllOff Pos=on Orx OK"},
	     nullptr,
	     "--page:15: the page has no option or button called \"Orx\""},
	    {"option twice", {"--page", "Cancel", "--page=OK"}, nullptr, "--page: given more than once"},
	    {"flag twice", {"--undo", "--undo"}, nullptr, "--undo: given more than once"},
	    {"unknown selection", {"--select", "arm_L,nobody"}, nullptr, "no object is called \"nobody\""},
	    {"missing scene", {"--scene", "/nonexistent/scene.json"}, nullptr, "/nonexistent/scene.json"},
	    {"malformed JSON", {}, "{\n  \"objects\": [\n    {\"name\": \"a\",}\n  ]\n}\n", "scene.json:3:"},
	    {"invalid UTF-8", {}, "{\"objects\": [{\"name\": \"a\xff\"}]}", "scene.json:1:"},
	    {"duplicate name",
	     {},
	     "{\"objects\": [{\"name\": \"a\"},\n {\"name\": \"b\", \"children\": [{\"name\": \"a\"}]}]}",
	     "scene.json:2:"},
	    {"unknown class", {}, "{\"objects\": [{\"name\": \"a\", \"class\": \"Mesh\"}]}", "unknown class \"Mesh\""},
	    {"selection names nothing",
	     {},
	     "{\"objects\": [{\"name\": \"a\"}], \"selection\": [\"b\"]}",
	     "which no object in the file is called"},
	    {"wrong type", {}, "{\"objects\": [{\"name\": 7}]}", "\"name\" must be a string"},
	    {"number too large", {}, "{\"objects\": [{\"name\": 1e999999}]}", "scene.json:1:"},
	    {"newline in a key", {}, "{\"objects\": [{\"name\": \"a\", \"ke\\ny\": 1}]}", "unknown key \"ke\\ny\""},
	    {"key twice", {}, "{\"objects\": [{\"name\": \"a\", \"name\": \"b\"}]}", "appears twice"},
	    {"too deep", {}, TooDeepScene().c_str(), "nest deeper than 256"},
	    {"unknown root property",
	     {},
	     "{\"selection\": [],\n \"root_properties\": [\"QuillmereOption\", \"NoSuchProperty\"]}",
	     "scene.json:2:41: root_properties/1: no loaded plug-in registers a property named \"NoSuchProperty\""},
	};
	for (const BadInput& bad : cases) {
		TempFolder folder;
		std::vector<std::string> args = {"--out=" + folder.Path("out.json")};
		std::string scene = folder.Path("scene.json");
		if (bad.sceneText) {
			WriteFile(scene, bad.sceneText);
			args.push_back("--scene=" + scene);
		}
		args.insert(args.end(), bad.args.begin(), bad.args.end());
		ProgramResult run = RunHostProgram(args);
		EXPECT_EQ(run.exitStatus, 2) << bad.what << ": " << run.err;
		EXPECT_NE(run.err.find(bad.expected), std::string::npos) << bad.what << ": " << run.err;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << bad.what << ": " << run.err;
		EXPECT_TRUE(run.out.empty()) << bad.what;
		EXPECT_TRUE(ReadFile(folder.Path("out.json")).empty()) << bad.what << ": something was written";
		if (bad.sceneText) {
			EXPECT_EQ(ReadFile(scene), bad.sceneText) << bad.what;
			// Whatever is wrong in a file is placed in it.
			std::smatch place;
			EXPECT_TRUE(std::regex_search(run.err, place, std::regex("scene\\.json:[0-9]+:[0-9]+: ")))
			    << bad.what << ": " << run.err;
		}
	}
}

TEST(HostProgram, AnOptionsValueThatLooksLikeAnOption_RefusedUnlessJoinedWithEquals)
{
	const std::pair<std::vector<std::string>, std::string> refused[] = {
	    {{"--scene", "--page", "OK"},
	     "--scene: needs a value, and \"--page\" is an option (for a value that starts with '-', write "
	     "--scene=VALUE)"},
	    {{"--out", "--undo"}, "--out: needs a value, and \"--undo\" is an option"},
	    {{"--select", "-h"}, "--select: needs a value, and \"-h\" is an option"},
	    {{"-h", "-h"}, "--help: given more than once"},
	    {{"-h", "--help"}, "--help: given more than once"},
	};
	for (const auto& entry : refused) {
		TempFolder folder;
		quillmere_tests::ProgramLimits here;
		here.folder = folder.Path("");
		ProgramResult run = quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, entry.first, "", here);
		EXPECT_EQ(run.exitStatus, 2) << entry.second;
		EXPECT_EQ(run.err.rfind("quillmere-host: " + entry.second, 0), 0u) << run.err;
		EXPECT_TRUE(run.out.empty()) << entry.second;
		EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 0) << entry.second;
	}
	// Joined to its option, the value is the value.
	TempFolder folder;
	quillmere_tests::ProgramLimits here;
	here.folder = folder.Path("");
	ProgramResult joined = quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out=--undo"}, "", here);
	EXPECT_EQ(joined.exitStatus, 0) << joined.err;
	EXPECT_NE(ReadFile(folder.Path("--undo")).find("\"objects\""), std::string::npos);
}

// However long the input a message quotes (a 120 KB argument, a scene's
// 500 KB key), the message is one line that quotes at most an excerpt.
TEST(HostProgram, EveryMessageIsOneShortLine_HoweverLongTheInputItQuotes)
{
	TempFolder folder;
	const std::string longText(120000, 'k');
	const std::string longPath = folder.Path(std::string(120000, 'p') + ".json");
	WriteFile(folder.Path("key.json"), "{\"" + std::string(500000, 'k') + "\": 1}");
	WriteFile(folder.Path("string.json"), "{\"objects\": [{\"name\": \"" + std::string(500000, 's'));
	WriteFile(folder.Path("number.json"), "{\"objects\": [{\"name\": 1" + std::string(500000, '0') + "}]}");
	WriteFile(folder.Path("property.json"), "{\"root_properties\": [\"" + longText + "\"]}");
	const std::vector<std::vector<std::string>> runs = {
	    {longText},
	    {"--" + longText, "--" + longText},
	    {"--report", longText},
	    {"--reading", longText},
	    {"--reading", "models=" + longText},
	    {"--page", longText + " OK"},
	    {"--page", "OK " + longText},
	    {"--page", "Pos=" + longText + " OK"},
	    {"--page", "K" + longText + " OK"},
	    {"--page", "AllOn Pos=on"},
	    {"--select", longText},
	    {"--select", longText + ",,"},
	    {"--scene", longPath},
	    {"--out", longPath},
	    {"--plugin", longPath},
	    {"--scene", folder.Path("key.json")},
	    {"--scene", folder.Path("string.json")},
	    {"--scene", folder.Path("number.json")},
	    {"--scene", folder.Path("property.json")},
	};
	for (std::vector<std::string> args : runs) {
		if (std::find(args.begin(), args.end(), "--page") == args.end()) {
			// Answered, so that the one line is the error's, not the one
			// saying the page was confirmed without a terminal.
			args.insert(args.end(), {"--page", "OK"});
		}
		ProgramResult run = RunHostProgram(args);
		std::string what = args[0] + " " + (args.size() > 1 ? args[1].substr(0, 30) : "");
		EXPECT_NE(run.exitStatus, 0) << what;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << what;
		EXPECT_LE(run.err.size(), 500u) << what << ": " << run.err.substr(0, 500);
	}
}

TEST(HostProgram, HelpAndVersion)
{
	ProgramResult help = RunHostProgram({"--help"});
	EXPECT_EQ(help.exitStatus, 0);
	EXPECT_NE(help.out.find("--page STEPS"), std::string::npos);
	EXPECT_NE(help.out.find("report, total)"), std::string::npos) << help.out; // every phase --timings prints
	EXPECT_EQ(RunHostProgram({"-h"}).out, help.out);
	ProgramResult version = RunHostProgram({"--version"});
	EXPECT_EQ(version.exitStatus, 0);
	EXPECT_EQ(version.out.rfind("quillmere-host ", 0), 0u);
}

TEST(HostProgram, ModuleFailures_ExitOneNamingTheModule)
{
	ProgramResult missing = RunHostProgram({"--plugin", "/nonexistent/Quillmere.so"});
	EXPECT_EQ(missing.exitStatus, 1);
	EXPECT_EQ(missing.err, "quillmere-host: /nonexistent/Quillmere.so: cannot open shared object file: No such file "
	                       "or directory\n"); // the path named once

	// An exception out of the module: refused at load, or logged as the command's failure.
	ProgramResult throwsOnLoad = RunHostProgram({"--plugin", PLUGIN_THROWS_ON_LOAD_PATH});
	EXPECT_EQ(throwsOnLoad.exitStatus, 1);
	EXPECT_NE(throwsOnLoad.err.find("XSILoadPlugin threw an exception: no registration today"), std::string::npos)
	    << throwsOnLoad.err;
	json failed = json::parse(RunHostProgram({"--plugin", PLUGIN_THROWS_IN_COMMAND_PATH, "--report", "json"}).out);
	ProgramResult throwsInCommand = RunHostProgram({"--plugin", PLUGIN_THROWS_IN_COMMAND_PATH});
	EXPECT_EQ(throwsInCommand.exitStatus, 1);
	EXPECT_NE(throwsInCommand.err.find("the Quillmere command failed"), std::string::npos) << throwsInCommand.err;
	EXPECT_EQ(failed["log"][0]["message"], "Quillmere_Execute threw an exception: the command broke");
	EXPECT_EQ(failed["log"][0]["severity"], 2);
	EXPECT_NE(failed["status"], 0);

	ProgramResult noEntry = RunHostProgram({"--plugin", SICORESDK_PATH});
	EXPECT_EQ(noEntry.exitStatus, 1);
	EXPECT_NE(noEntry.err.find("XSILoadPlugin"), std::string::npos) << noEntry.err;
	EXPECT_TRUE(noEntry.out.empty());
}

// A module is a file. Anything else is refused at once, before the scene is
// read: a FIFO would hold the loader until someone wrote to it (here a
// writer stands by, so that a program that does open it fails, not hangs).
TEST(HostProgram, APluginThatIsNotAFile_RefusedAtOnce)
{
	TempFolder folder;
	std::string fifo = folder.Path("module.fifo");
	ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
	WriteFile(folder.Path("bad.json"), "{\"objects\": [");
	const std::pair<std::string, std::string> cases[] = {
	    {fifo, "is a FIFO (a named pipe), not a module file"},
	    {folder.Path(""), "is a folder, not a module file"},
	    {"/dev/null", "is a device, not a module file"},
	};
	for (const auto& entry : cases) {
		std::atomic<bool> ended(false);
		std::thread writer([&] {
			while (!ended) {
				int fd = open(fifo.c_str(), O_WRONLY | O_NONBLOCK); // fails while no one reads
				if (fd >= 0) {
					EXPECT_GT(write(fd, "not a module", 12), 0);
					close(fd);
				}
				std::this_thread::sleep_for(std::chrono::milliseconds(10));
			}
		});
		ProgramResult run =
		    RunHostProgram({"--plugin", entry.first, "--scene", folder.Path("bad.json"), "--page", "OK"});
		ended = true;
		writer.join();
		EXPECT_EQ(run.exitStatus, 2) << run.err;
		EXPECT_EQ(run.err, "quillmere-host: --plugin: " + entry.first + " " + entry.second + "\n");
		EXPECT_TRUE(run.out.empty());
	}
}

TEST(HostProgram, ScenesFromPipesAndDevices_StreamedAndRefusedAtTheFirstBadByte)
{
	std::string scene = ReadFile(QUILLMERE_SAMPLE_SCENE);
	ProgramResult fromStdin =
	    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--scene", "/dev/stdin", "--page", "OK"}, scene);
	EXPECT_EQ(fromStdin.exitStatus, 0) << fromStdin.err;
	EXPECT_EQ(fromStdin.out, ReadFile(EXPECTED_DIR "/sample_rig_report.txt"));
	// Standard input that is the scene carries no answers: without --page
	// the page is cancelled, and one line says why.
	ProgramResult unanswered =
	    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--scene", "/dev/stdin", "--report", "json"}, scene);
	EXPECT_EQ(unanswered.exitStatus, 0) << unanswered.err;
	EXPECT_EQ(json::parse(unanswered.out)["page"]["confirmed"], false);
	EXPECT_EQ(unanswered.err, "quillmere-host: standard input is the scene file, which carries no answers: the option "
	                          "page was cancelled (confirm with --page OK; see --help)\n");

	// A FIFO has no size and can be read only once, as it comes.
	TempFolder folder;
	std::string fifo = folder.Path("scene.fifo");
	ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
	std::thread writer([&] { WriteFile(fifo, scene); });
	ProgramResult fromFifo = RunHostProgram({"--scene", fifo, "--page", "OK", "--report", "json"});
	writer.join();
	EXPECT_EQ(fromFifo.exitStatus, 0) << fromFifo.err;
	EXPECT_EQ(fromFifo.out, ReadFile(EXPECTED_DIR "/sample_rig_report.json"));

	// An endless device fails at its first byte instead of being read whole.
	ProgramResult zeros = RunHostProgram({"--scene", "/dev/zero", "--out", folder.Path("out.json")});
	EXPECT_EQ(zeros.exitStatus, 2);
	EXPECT_EQ(zeros.err, "quillmere-host: /dev/zero:1:1: a NUL byte (a scene file is UTF-8 text)\n");
	EXPECT_FALSE(std::filesystem::exists(folder.Path("out.json")));

	ProgramResult folderScene = RunHostProgram({"--scene", folder.Path("")});
	EXPECT_EQ(folderScene.exitStatus, 2);
	EXPECT_NE(folderScene.err.find("is a folder"), std::string::npos) << folderScene.err;
	ProgramResult missing = RunHostProgram({"--scene", folder.Path("missing.json")});
	EXPECT_EQ(missing.exitStatus, 2);
	EXPECT_NE(missing.err.find("No such file or directory"), std::string::npos) << missing.err;
}

TEST(HostProgram, LargeTruncatedScene_OneLineErrorAtItsEnd_NothingWritten)
{
	// Several of the reader's chunks, cut off in the middle of an object.
	std::string scene = "{\"objects\": [\n";
	for (int i = 0; i < 20000; ++i) {
		scene += "  {\"name\": \"object" + std::to_string(i) + "\", \"constraints\": [\"Position Cns\"]},\n";
	}
	scene += "  {\"name\": \"last\", \"constr";
	TempFolder folder;
	WriteFile(folder.Path("scene.json"), scene);
	ProgramResult run = RunHostProgram({"--scene", folder.Path("scene.json"), "--out", folder.Path("out.json")});
	EXPECT_EQ(run.exitStatus, 2);
	EXPECT_NE(run.err.find("scene.json:20002:"), std::string::npos) << run.err;
	EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	EXPECT_FALSE(std::filesystem::exists(folder.Path("out.json")));
}

// Memory follows what a scene file holds, not its size: limited to far
// less than the files' sizes, the program still reads each to its error.
TEST(HostProgram, MemoryFollowsTheContent_NotTheFilesSize)
{
	if (quillmere_tests::UnderAddressSanitizer()) {
		GTEST_SKIP() << "AddressSanitizer reserves more address space than the limit";
	}
	TempFolder folder;
	auto sparse = [&](const std::string& name, const std::string& start, off_t size) {
		std::string path = folder.Path(name);
		WriteFile(path, start);
		EXPECT_EQ(truncate(path.c_str(), size), 0);
		return path;
	};
	const off_t kGiB = off_t(1) << 30;
	std::string empty8 = sparse("zeros.json", "", 8 * kGiB);
	std::string begun100 = sparse("begun.json", "{\"objects\": [\n  ", 100 * kGiB);
	std::string named = folder.Path("named.json");
	WriteFile(named, "{\"objects\": [{\"name\": \"" + std::string(64 << 20, 'k'));
	quillmere_tests::ProgramLimits small;
	small.maxMemoryBytes = 256 << 20;
	const std::pair<std::string, std::string> cases[] = {
	    {empty8, ":1:1: a NUL byte"},
	    {begun100, ":2:3: a NUL byte"},
	    {named, ":1:23: a string longer than 1 MiB"},
	};
	for (const auto& entry : cases) {
		ProgramResult run =
		    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--scene", entry.first, "--page", "OK"}, "", small);
		EXPECT_EQ(run.exitStatus, 2) << run.err;
		EXPECT_EQ(run.err.rfind("quillmere-host: " + entry.first + entry.second, 0), 0u) << run.err;
	}

	// A real scene too large for the memory given: one line, not an abort.
	std::string scene = "{\"objects\": [\n";
	for (int i = 0; i < 100000; ++i) {
		scene +=
		    "  {\"name\": \"object" + std::to_string(i) + "\", \"constraints\": [\"Position Cns\", \"Pose Cns\"]},\n";
	}
	scene += "  {\"name\": \"last\"}]}\n";
	WriteFile(folder.Path("rig.json"), scene);
	quillmere_tests::ProgramLimits tiny;
	tiny.maxMemoryBytes = 40 << 20;
	ProgramResult run = quillmere_tests::RunProgram(
	    QUILLMERE_HOST_PATH, {"--scene", folder.Path("rig.json"), "--page", "OK", "--out", folder.Path("out.json")}, "",
	    tiny);
	EXPECT_EQ(run.exitStatus, 1) << run.err;
	EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	EXPECT_FALSE(std::filesystem::exists(folder.Path("out.json")));
}

} // namespace
