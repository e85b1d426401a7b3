// quillmere-host from the outside: its reports, its page steps, its errors.
#include "support/program_run.h"

#include "scene_file/scene_reader.h"

#include "engine/host_readings.h"

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
#include <thread>

namespace {

using nlohmann::json;
using quillmere_tests::ProgramResult;
using quillmere_tests::ReadFile;
using quillmere_tests::TempFolder;
using quillmere_tests::WriteFile;

ProgramResult Host(const std::vector<std::string>& args)
{
	return quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, args);
}

json JsonRun(const std::vector<std::string>& args)
{
	std::vector<std::string> all = args;
	all.push_back("--report=json");
	ProgramResult run = Host(all);
	EXPECT_EQ(run.exitStatus, 0) << run.err;
	return json::parse(run.out);
}

// Bytes as a test message can show them.
std::string OneLineForTest(const std::string& text)
{
	std::string shown;
	for (unsigned char c : text) {
		shown += c < 0x20 || c >= 0x7f ? "\\x" + std::to_string(c) : std::string(1, static_cast<char>(c));
	}
	return shown;
}

// The names of what a JSON report says was deleted, in order.
std::vector<std::string> DeletedNames(const json& report)
{
	std::vector<std::string> names;
	for (const json& entry : report["deleted"]) {
		names.push_back(entry["owner"].get<std::string>() + ":" + entry["name"].get<std::string>());
	}
	return names;
}

// A scene of `count` selected objects, each with one position constraint,
// and one more object left out of the selection.
std::string SelectedObjectsScene(int count)
{
	std::string scene = "{\"objects\": [\n";
	std::string selection;
	for (int i = 0; i < count; ++i) {
		std::string name = "object" + std::to_string(i);
		scene += "  {\"name\": \"" + name + "\", \"constraints\": [\"Position Cns\"]},\n";
		selection += (i == 0 ? "\"" : ", \"") + name + "\"";
	}
	return scene + "  {\"name\": \"last\"}\n], \"selection\": [" + selection + "]}\n";
}

TEST(HostProgram, BundledSceneReports_MatchTheExpectedFiles)
{
	// Without a terminal the page is confirmed as it opened: everything goes,
	// and one line says so, and how to answer instead.
	ProgramResult json = Host({"--report", "json"});
	ASSERT_EQ(json.exitStatus, 0) << json.err;
	EXPECT_EQ(json.out, ReadFile(EXPECTED_DIR "/sample_rig_report.json"));
	ProgramResult text = Host({});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_EQ(text.out, ReadFile(EXPECTED_DIR "/sample_rig_report.txt"));
	EXPECT_EQ(text.err, "quillmere-host: no answers to the option page on standard input, which is not a terminal: "
	                    "confirmed as it opened (answer with --page STEPS or on standard input; see --help)\n");
	// Answered, or never shown: nothing to say.
	EXPECT_TRUE(Host({"--page", "OK"}).err.empty());
	EXPECT_EQ(Host({"--plugin", PLUGIN_THROWS_IN_COMMAND_PATH}).err.find("option page"), std::string::npos);
}

TEST(HostProgram, PageSteps_ButtonsAndValuesReachThePage)
{
	json report = JsonRun({"--page", "AllOff Pos=on OK"});
	EXPECT_EQ(report["page"]["values"]["Pos"], true);
	EXPECT_EQ(report["page"]["values"]["Ori"], false);
	EXPECT_EQ(DeletedNames(report),
	          (std::vector<std::string>{"spine_eff:Position Cns", "arm_L:Position Cns", "leg_L:Position Cns",
	                                    "leg_R:Position Cns", "Scene_Root:QuillmereOption"}));

	// From all on, All Toggle leaves all off; then one switched back on.
	report = JsonRun({"--page", "AllToggle ChainUpVector=on OK", "--select", "spine1,sword"});
	EXPECT_EQ(DeletedNames(report),
	          (std::vector<std::string>{"spine1:SkeletonUpVectorOp", "Scene_Root:QuillmereOption"}));

	report = JsonRun({"--page", "AllOff AllOn Symmetry=off Distance=off OK", "--select", "sword"});
	EXPECT_EQ(DeletedNames(report), (std::vector<std::string>{"sword:ScalingCns", "Scene_Root:QuillmereOption"}));
	EXPECT_EQ(report["page"]["values"].size(), 8u);
}

TEST(HostProgram, PageSteps_OneVocabulary_NamesOrLabels_InAnyCase)
{
	// Names, labels, a label's words run together, flips and values in any case.
	json report = JsonRun({"--page", "alloff Position=ON pos ORI dir=on chainupvector POSE=On pose OK"});
	const json& values = report["page"]["values"];
	EXPECT_EQ(values["Pos"], false);
	EXPECT_EQ(values["Ori"], true);
	EXPECT_EQ(values["Dir"], true);
	EXPECT_EQ(values["Pose"], false);
	EXPECT_EQ(values["ChainUpVector"], true);
	EXPECT_EQ(values["Scaling"], false);
	report = JsonRun({"--page", "ALLOFF alltoggle AllON allOff Symmetry ok"});
	EXPECT_EQ(report["page"]["values"]["Symmetry"], true);
	EXPECT_EQ(report["page"]["values"]["Distance"], false);
	// Labels with their blanks, as the page shows them.
	report = JsonRun({"--page", "All OFF Chain Up Vector=on all toggle OK"});
	EXPECT_EQ(report["page"]["values"]["ChainUpVector"], false);
	EXPECT_EQ(report["page"]["values"]["Pos"], true);
}

// Standard input that is not a terminal carries the answers, read as the
// line prompt reads them; a line the page can't take is bad input, since no
// one is there to type it again.
TEST(HostProgram, AnswersOnStandardInput_ReadAsTheLinePromptReadsThem)
{
	struct Piped {
		std::string input;
		int exitStatus;
		bool confirmed;
		std::vector<bool> posAndOri; // Pos and Ori as the page closed
		std::string err;             // the start of standard error; empty: nothing
	};
	const std::string longLine(1 << 21, 'p');
	const std::vector<Piped> cases = {
	    {"alloff pos ok\n", 0, true, {true, false}, ""},
	    {"All OFF\n\nhelp\n  Position=on\r\nOK\r\nAllOn\n", 0, true, {true, false}, ""},
	    {"pos\nq\n", 0, false, {true, true}, ""},
	    {"alloff pos cancel\n", 0, false, {true, true}, ""},
	    {"alloff pos",
	     0,
	     false,
	     {true, true},
	     "quillmere-host: standard input ended before OK or Cancel: the option page was cancelled\n"},
	    {"", 0, true, {true, true}, "quillmere-host: no answers to the option page on standard input"},
	    {"\n \n", 0, true, {true, true}, "quillmere-host: no answers to the option page on standard input"},
	    {"alloff\n  pos=maybe ok\n", 2, false, {}, "quillmere-host: standard input:2:3: \"pos=maybe\": a parameter"},
	    {"alloff bogus ok\n",
	     2,
	     false,
	     {},
	     "quillmere-host: standard input:1:8: the page has no option or button called \"bogus\" (options: Pos "},
	    {"pos\n" + longLine + "\nok\n", 2, false, {}, "quillmere-host: standard input:2:1: a line longer than 1 MiB"},
	};
	for (const Piped& piped : cases) {
		std::string shown = OneLineForTest(piped.input.substr(0, 40));
		ProgramResult run =
		    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--report", "json", "--select", "arm_L"}, piped.input);
		EXPECT_EQ(run.exitStatus, piped.exitStatus) << shown << ": " << run.err;
		EXPECT_EQ(run.err.substr(0, piped.err.size()), piped.err) << shown;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), piped.err.empty() ? 0 : 1) << shown;
		if (piped.exitStatus != 0) {
			EXPECT_TRUE(run.out.empty()) << shown;
			continue;
		}
		json report = json::parse(run.out);
		EXPECT_EQ(report["page"]["confirmed"], piped.confirmed) << shown;
		EXPECT_EQ(report["page"]["values"]["Pos"], piped.posAndOri[0]) << shown;
		EXPECT_EQ(report["page"]["values"]["Ori"], piped.posAndOri[1]) << shown;
	}
}

TEST(HostProgram, Cancel_OnlyTheTemporaryPropertyGoes_ThePageShowsWhatItOpenedWith)
{
	json report = JsonRun({"--page", "AllOff Cancel"});
	EXPECT_EQ(report["page"]["confirmed"], false);
	EXPECT_EQ(report["page"]["values"]["Pos"], true); // the host drops a cancelled page's changes
	EXPECT_EQ(DeletedNames(report), std::vector<std::string>{"Scene_Root:QuillmereOption"});
	EXPECT_EQ(report["log"].size(), 0u);
	EXPECT_EQ(report["status"], 0);
	ProgramResult text = Host({"--page", "AllOff Cancel"});
	EXPECT_NE(text.out.find("(cancelled):\n"), std::string::npos) << text.out;
	EXPECT_EQ(text.out.find("[ ]"), std::string::npos) << text.out;
}

TEST(HostProgram, NothingOrNo3DObjectsSelected_TheMessageIsLogged)
{
	for (const std::string& selection : {std::string(""), std::string("rig_controls")}) {
		json report = JsonRun({"--select", selection});
		EXPECT_EQ(report["page"]["confirmed"], true);
		ASSERT_EQ(report["log"].size(), 1u) << selection;
		EXPECT_EQ(report["log"][0]["severity"], 8);
		EXPECT_EQ(report["log"][0]["message"], "Please select object(s).");
		EXPECT_EQ(DeletedNames(report), std::vector<std::string>{"Scene_Root:QuillmereOption"});
	}
	// The text report names the severity the JSON one numbers.
	ProgramResult text = Host({"--select", "", "--page", "OK"});
	EXPECT_NE(text.out.find("\nLog:\n  info: Please select object(s).\n"), std::string::npos) << text.out;
}

TEST(HostProgram, OutRoundTrip_AllOffWritesTheSceneAsLoaded)
{
	TempFolder folder;
	std::string first = folder.Path("first.json");
	std::string second = folder.Path("second.json");
	ASSERT_EQ(Host({"--page", "AllOff OK", "--out", first}).exitStatus, 0);
	ASSERT_EQ(Host({"--scene", first, "--page", "AllOff OK", "--out", second}).exitStatus, 0);
	EXPECT_EQ(ReadFile(first), ReadFile(second));

	using quillmere_host::ReadSceneFile;
	quillmere_host::SceneDescription loaded = ReadSceneFile(first);
	quillmere_host::SceneDescription original = ReadSceneFile(QUILLMERE_SAMPLE_SCENE);
	EXPECT_EQ(loaded.selection, original.selection);
	EXPECT_EQ(json::parse(ReadFile(first))["objects"].dump(), json::parse(ReadFile(second))["objects"].dump());
	// Constraint types and the decoys survive the trip.
	std::string written = ReadFile(first);
	EXPECT_NE(written.find("\"knee_aim\""), std::string::npos);
	EXPECT_NE(written.find("\"Scaling Cns\""), std::string::npos);

	// With everything on, the written scene has lost what the report says went.
	std::string third = folder.Path("third.json");
	ASSERT_EQ(Host({"--out", third}).exitStatus, 0);
	std::string after = ReadFile(third);
	EXPECT_EQ(after.find("\"Position Cns\""), std::string::npos);
	EXPECT_EQ(after.find("SkeletonUpVectorOp"), std::string::npos);
	EXPECT_NE(after.find("\"knee_aim\""), std::string::npos);
}

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
		ProgramResult run = Host(args);
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

TEST(HostProgram, OutNamingTheInputIsRefused)
{
	TempFolder folder;
	std::string scene = folder.Path("scene.json");
	std::string text = ReadFile(QUILLMERE_SAMPLE_SCENE);
	WriteFile(scene, text);
	ProgramResult run = Host({"--scene", scene, "--out", scene});
	EXPECT_EQ(run.exitStatus, 2);
	EXPECT_NE(run.err.find("input scene file"), std::string::npos) << run.err;
	EXPECT_EQ(ReadFile(scene), text);
}

// --out gets the command's result, from before the undo: the file lacks
// what the report lists as deleted.
TEST(HostProgram, Undo_RestoresTheSceneAsLoaded_OutHasTheCommandsResult)
{
	TempFolder folder;
	json report = JsonRun({"--undo", "--out", folder.Path("undone.json")});
	EXPECT_EQ(report["undo"]["restored"], true);
	EXPECT_EQ(report["deleted"].size(), 17u); // what was deleted, then put back
	ASSERT_EQ(Host({"--page", "OK", "--out", folder.Path("done.json")}).exitStatus, 0);
	EXPECT_EQ(ReadFile(folder.Path("undone.json")), ReadFile(folder.Path("done.json")));
	EXPECT_EQ(ReadFile(folder.Path("undone.json")).find("\"Position Cns\""), std::string::npos);
}

TEST(HostProgram, SafeOutput_FailuresLeaveTheDestinationAsItWas)
{
	// Never renamed over something that is not a regular file.
	ProgramResult device = Host({"--out", "/dev/full"});
	EXPECT_EQ(device.exitStatus, 2);
	EXPECT_NE(device.err.find("not a regular file"), std::string::npos) << device.err;
	EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));

	// Refused before the run: no file can be made there.
	ProgramResult unwritable = Host({"--out", "/proc/self/quillmere.json"});
	EXPECT_EQ(unwritable.exitStatus, 2);
	EXPECT_NE(unwritable.err.find("/proc/self/quillmere.json"), std::string::npos) << unwritable.err;
	EXPECT_TRUE(unwritable.out.empty());

	TempFolder folder;
	std::string destination = folder.Path("scene.json");
	WriteFile(destination, "old content\n");
	// The disk fills up mid-write: the write fails and is reported.
	quillmere_tests::ProgramLimits full;
	full.maxFileBytes = 200;
	full.ignoreFileSizeSignal = true;
	ProgramResult diskFull =
	    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", destination}, "", full);
	EXPECT_EQ(diskFull.exitStatus, 1) << diskFull.err;
	EXPECT_EQ(ReadFile(destination), "old content\n");
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1)
	    << "a temporary file was left";

	// A file-size limit, whose signal would kill the program mid-write, is a
	// full disk too: one line, the temporary file gone.
	quillmere_tests::ProgramLimits limited;
	limited.maxFileBytes = 200;
	ProgramResult tooLarge =
	    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", destination}, "", limited);
	EXPECT_EQ(tooLarge.exitStatus, 1);
	EXPECT_EQ(tooLarge.err, "quillmere-host: " + destination + ": cannot write: File too large\n");
	EXPECT_EQ(ReadFile(destination), "old content\n");
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1)
	    << "a temporary file was left";
}

TEST(HostProgram, OutOnALinkLoopOrAHardLinkedFile_RefusedBeforeAnythingRuns)
{
	TempFolder folder;
	std::filesystem::create_symlink("B", folder.Path("A"));
	std::filesystem::create_symlink("A", folder.Path("B"));
	std::filesystem::create_symlink("self.json", folder.Path("self.json"));
	WriteFile(folder.Path("scene.json"), "old content\n");
	std::filesystem::create_hard_link(folder.Path("scene.json"), folder.Path("backup.json"));
	const std::pair<const char*, const char*> cases[] = {
	    {"A", "is a symbolic link that leads back to itself (a loop)"},
	    {"self.json", "is a symbolic link that leads back to itself (a loop)"},
	    {"scene.json", "has 1 other name(s) (hard links), which would keep the old content"},
	};
	for (const auto& entry : cases) {
		std::string out = folder.Path(entry.first);
		ProgramResult run = Host({"--page", "OK", "--out", out});
		EXPECT_EQ(run.exitStatus, 2) << entry.first;
		EXPECT_EQ(run.err.rfind("quillmere-host: --out: " + out + " " + entry.second, 0), 0u) << run.err;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
		EXPECT_TRUE(run.out.empty()) << "the command ran";
	}
	EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("A")));
	EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("self.json")));
	EXPECT_EQ(ReadFile(folder.Path("backup.json")), "old content\n");
	EXPECT_EQ(std::filesystem::hard_link_count(folder.Path("scene.json")), 2u);
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 5);
}

TEST(HostProgram, OutOverAnotherUsersFile_KeepsItsOwnerOrSaysItCouldNot)
{
	if (!quillmere_tests::RunningAsRoot()) {
		GTEST_SKIP() << "only root can make files of other users and run as one";
	}
	TempFolder folder;
	ASSERT_EQ(chmod(folder.Path("").c_str(), 0777), 0);
	std::string theirs = folder.Path("theirs.json");
	WriteFile(theirs, "old content\n");
	ASSERT_EQ(chown(theirs.c_str(), 4242, 4343), 0);
	ASSERT_EQ(chmod(theirs.c_str(), 0666), 0);

	// As root, the file is given back to them.
	ProgramResult asRoot = Host({"--page", "OK", "--out", theirs});
	ASSERT_EQ(asRoot.exitStatus, 0) << asRoot.err;
	EXPECT_TRUE(asRoot.err.empty()) << asRoot.err;
	struct stat info;
	ASSERT_EQ(stat(theirs.c_str(), &info), 0);
	EXPECT_EQ(info.st_uid, 4242u);
	EXPECT_EQ(info.st_gid, 4343u);

	// Another user may replace it (the folder lets them) but not give it
	// away: the file is written, and they are told whose it now is.
	quillmere_tests::ProgramLimits asNobody;
	asNobody.user = 65534;
	ProgramResult run =
	    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", theirs}, "", asNobody);
	ASSERT_EQ(run.exitStatus, 0) << run.err;
	EXPECT_EQ(run.err,
	          "quillmere-host: " + theirs +
	              ": written, but its owner (user 4242) and its group (group 4343) could not be kept: the file "
	              "is now user 65534's, group 65534\n");
	EXPECT_NE(ReadFile(theirs).find("\"objects\""), std::string::npos);
	ASSERT_EQ(stat(theirs.c_str(), &info), 0);
	EXPECT_EQ(info.st_mode & 0777, 0666u);
}

TEST(HostProgram, ACommandThatFailsOrThrows_WritesNoScene)
{
	for (const char* plugin : {PLUGIN_COMMAND_FAILS_PATH, PLUGIN_THROWS_IN_COMMAND_PATH}) {
		TempFolder folder;
		std::string existing = folder.Path("existing.json");
		WriteFile(existing, "old content\n");
		for (const std::string& out : {existing, folder.Path("new.json")}) {
			ProgramResult run = Host({"--plugin", plugin, "--page", "OK", "--out", out});
			EXPECT_EQ(run.exitStatus, 1) << plugin;
			EXPECT_EQ(run.err.rfind("quillmere-host: the Quillmere command failed (status ", 0), 0u) << run.err;
			EXPECT_NE(run.err.find("; --out was not written\n"), std::string::npos) << run.err;
			EXPECT_NE(run.out.find("Command status: "), std::string::npos) << "the report is still given";
		}
		EXPECT_EQ(ReadFile(existing), "old content\n");
		EXPECT_FALSE(std::filesystem::exists(folder.Path("new.json")));
		EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1);
	}
}

TEST(HostProgram, WhatThePlugInLogsWhileLoading_IsInTheReport)
{
	ProgramResult text = Host({"--plugin", PLUGIN_LOGS_WHILE_LOADING_PATH, "--page", "OK"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_NE(text.out.find("\nLog:\n  warning: loading: version 0.1\n  info: init: the command is set up\n"
	                        "  info: execute: nothing to do\n\n"),
	          std::string::npos)
	    << text.out;
	json report = JsonRun({"--plugin", PLUGIN_LOGS_WHILE_LOADING_PATH, "--page", "OK"});
	ASSERT_EQ(report["log"].size(), 3u);
	EXPECT_EQ(report["log"][0]["message"], "loading: version 0.1");

	// An init that throws is logged, and the log keeps it.
	report = JsonRun({"--plugin", PLUGIN_THROWS_IN_INIT_PATH, "--page", "OK"});
	ASSERT_EQ(report["log"].size(), 1u);
	EXPECT_EQ(report["log"][0]["message"], "Quillmere_Init threw an exception: no init today");
	EXPECT_EQ(report["log"][0]["severity"], 2);
}

TEST(HostProgram, ReportOnAFullDisk_OneLineErrorAndExitOne)
{
	// A report far larger than the program's output buffer, so that the disk
	// fills while it is still being written, not only at the final flush.
	TempFolder folder;
	WriteFile(folder.Path("rig.json"), SelectedObjectsScene(2000));
	quillmere_tests::ProgramLimits full;
	full.maxFileBytes = 4096;
	full.ignoreFileSizeSignal = true;
	for (const char* report : {"--report=json", "--report=text"}) {
		ProgramResult run = quillmere_tests::RunProgram(
		    QUILLMERE_HOST_PATH, {"--scene", folder.Path("rig.json"), "--page", "OK", report}, "", full);
		EXPECT_EQ(run.exitStatus, 1) << report << ": " << run.err;
		EXPECT_EQ(run.err.rfind("quillmere-host: cannot write the report: ", 0), 0u) << run.err;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	}
}

TEST(HostProgram, ScenesFromPipesAndDevices_StreamedAndRefusedAtTheFirstBadByte)
{
	std::string scene = ReadFile(QUILLMERE_SAMPLE_SCENE);
	ProgramResult fromStdin = quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--scene", "/dev/stdin"}, scene);
	EXPECT_EQ(fromStdin.exitStatus, 0) << fromStdin.err;
	EXPECT_EQ(fromStdin.out, ReadFile(EXPECTED_DIR "/sample_rig_report.txt"));

	// A FIFO has no size and can be read only once, as it comes.
	TempFolder folder;
	std::string fifo = folder.Path("scene.fifo");
	ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
	std::thread writer([&] { WriteFile(fifo, scene); });
	ProgramResult fromFifo = Host({"--scene", fifo, "--report", "json"});
	writer.join();
	EXPECT_EQ(fromFifo.exitStatus, 0) << fromFifo.err;
	EXPECT_EQ(fromFifo.out, ReadFile(EXPECTED_DIR "/sample_rig_report.json"));

	// An endless device fails at its first byte instead of being read whole.
	ProgramResult zeros = Host({"--scene", "/dev/zero", "--out", folder.Path("out.json")});
	EXPECT_EQ(zeros.exitStatus, 2);
	EXPECT_EQ(zeros.err, "quillmere-host: /dev/zero:1:1: a NUL byte (a scene file is UTF-8 text)\n");
	EXPECT_FALSE(std::filesystem::exists(folder.Path("out.json")));

	ProgramResult folderScene = Host({"--scene", folder.Path("")});
	EXPECT_EQ(folderScene.exitStatus, 2);
	EXPECT_NE(folderScene.err.find("is a folder"), std::string::npos) << folderScene.err;
	ProgramResult missing = Host({"--scene", folder.Path("missing.json")});
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
	ProgramResult run = Host({"--scene", folder.Path("scene.json"), "--out", folder.Path("out.json")});
	EXPECT_EQ(run.exitStatus, 2);
	EXPECT_NE(run.err.find("scene.json:20002:"), std::string::npos) << run.err;
	EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	EXPECT_FALSE(std::filesystem::exists(folder.Path("out.json")));
}

TEST(HostProgram, GeneratedRig_EveryObjectSelected_WritesBackByteForByte)
{
	TempFolder folder;
	std::string rig = folder.Path("rig.json");
	ProgramResult made = quillmere_tests::RunProgram(
	    "/usr/bin/env", {"python3", SCRIPTS_DIR "/make-scene.py", "3000", rig, "--seed", "7"});
	ASSERT_EQ(made.exitStatus, 0) << made.err;

	// Nothing switched on: the scene goes out as it came in.
	ASSERT_EQ(Host({"--scene", rig, "--page", "AllOff OK", "--out", folder.Path("same.json")}).exitStatus, 0);
	EXPECT_EQ(ReadFile(folder.Path("same.json")), ReadFile(rig));

	quillmere_host::SceneDescription scene = quillmere_host::ReadSceneFile(rig);
	EXPECT_EQ(scene.selection.size(), 3000u);
	json report = JsonRun({"--scene", rig, "--page", "OK"});
	EXPECT_TRUE(report["log"].empty());
	EXPECT_GT(report["deleted"].size(), 3000u);
}

TEST(HostProgram, ControlCharactersInNames_EscapedInBothReports)
{
	TempFolder folder;
	std::string scene = folder.Path("scene.json");
	WriteFile(scene, "{\"objects\": [{\"name\": \"esc\\u001b[31mred\", \"constraints\": [\"Position Cns\"]},\n"
	                 " {\"name\": \"two\\nlines\\tand\\u0085more\", \"constraints\": [\"Pose Cns\"]}],\n"
	                 " \"selection\": [\"esc\\u001b[31mred\", \"two\\nlines\\tand\\u0085more\"]}");
	ProgramResult text = Host({"--scene", scene, "--page", "OK"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_NE(text.out.find("\n  esc\\u001b[31mred\n    Constraint \"Position Cns\"\n"), std::string::npos) << text.out;
	EXPECT_NE(text.out.find("\n  two\\nlines\\tand\\u0085more\n"), std::string::npos) << text.out;
	EXPECT_EQ(text.out.find('\x1b'), std::string::npos);
	EXPECT_EQ(text.out.find('\t'), std::string::npos);
	EXPECT_EQ(text.out.find("\xc2\x85"), std::string::npos);

	json report = JsonRun({"--scene", scene, "--page", "OK"});
	EXPECT_EQ(report["deleted"][0]["owner"], "esc\x1b[31mred");
	EXPECT_EQ(report["deleted"][1]["owner"], "two\nlines\tand\u0085more");
}

// What a terminal would act on (ESC and OSC sequences, a bell, a NUL) or
// reorder a line by (U+202E), and a newline that would fake a line, is
// escaped in every part of the text report and on standard error.
TEST(HostProgram, HostileNames_EscapedInTheTraceAndOnStandardError)
{
	TempFolder folder;
	std::string scene = folder.Path("scene.json");
	WriteFile(scene,
	          "{\"objects\": [{\"name\": \"a\\u001b]0;pwned\\u0007b\", \"constraints\": [\"Position Cns\"]},\n"
	          " {\"name\": \"x\\nFAKE LINE\\u0000\", \"constraints\": [\"Pose Cns\"]},\n"
	          " {\"name\": \"rtl\\u202egpj_exe\", \"constraints\": [\"Pose Cns\"]}],\n"
	          " \"selection\": [\"a\\u001b]0;pwned\\u0007b\", \"x\\nFAKE LINE\\u0000\", \"rtl\\u202egpj_exe\"]}");
	ProgramResult text = Host({"--scene", scene, "--page", "OK", "--trace"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	for (const std::string& raw :
	     std::vector<std::string>{"\x1b", "\x07", std::string(1, '\0'), "\nFAKE LINE", "\xe2\x80\xae"}) {
		EXPECT_EQ(text.out.find(raw), std::string::npos) << OneLineForTest(raw) << " reached the terminal";
	}
	size_t calls = text.out.find("\nCalls the plug-in made (");
	ASSERT_NE(calls, std::string::npos);
	std::string trace = text.out.substr(calls);
	// One call, one line: target and arguments escaped alike.
	EXPECT_NE(
	    trace.find(
	        "\n  Application.ExecuteCommand DeleteObj [{\"ref\": \"a\\u001b]0;pwned\\u0007b.kine.Position Cns\"}]\n"),
	    std::string::npos)
	    << trace;
	EXPECT_NE(trace.find("\n  X3DObject.GetKinematics a\\u001b]0;pwned\\u0007b\n"), std::string::npos) << trace;
	EXPECT_NE(
	    trace.find("\n  Application.ExecuteCommand DeleteObj [{\"ref\": \"x\\nFAKE LINE\\u0000.kine.Pose Cns\"}]\n"),
	    std::string::npos)
	    << trace;
	EXPECT_NE(trace.find("\n  CBase.IsValid x\\nFAKE LINE\\u0000\n"), std::string::npos) << trace;
	EXPECT_NE(trace.find("\n  CBase.IsValid rtl\\u202egpj_exe\n"), std::string::npos) << trace;
	EXPECT_NE(text.out.find("\n  rtl\\u202egpj_exe\n    Constraint \"Pose Cns\"\n"), std::string::npos) << text.out;

	// Machine-read, the same calls keep their names as they are.
	json report = JsonRun({"--scene", scene, "--page", "OK", "--trace"});
	bool found = false;
	for (const json& call : report["calls"]) {
		found = found || call["target"] == std::string("x\nFAKE LINE") + '\0';
	}
	EXPECT_TRUE(found);

	ProgramResult unknown = Host({"--scene", scene, "--select",
	                              "rtl\xe2\x80\xae"
	                              "gpj_exe,evil\x1b[2J"});
	EXPECT_EQ(unknown.exitStatus, 2);
	EXPECT_EQ(unknown.err, "quillmere-host: --select:13: no object is called \"evil\\x1b[2J\"\n");
	unknown = Host({"--scene", scene, "--select",
	                "\xe2\x80\xae"
	                "evil"});
	EXPECT_EQ(unknown.err, "quillmere-host: --select:1: no object is called \"\\u202eevil\"\n");
}

TEST(HostProgram, OutKeepsPermissionsAndLinks_APluginNamedBareIsTheOneInThisFolder)
{
	TempFolder folder;
	std::string secret = folder.Path("private.json");
	WriteFile(secret, "{}");
	chmod(secret.c_str(), 0600);
	std::filesystem::create_symlink("private.json", folder.Path("link.json"));
	quillmere_tests::ProgramLimits strictMask;
	strictMask.fileCreationMask = 077;
	ASSERT_EQ(quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--out", folder.Path("link.json")}, "", strictMask)
	              .exitStatus,
	          0);
	EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("link.json")));
	EXPECT_NE(ReadFile(secret).find("\"objects\""), std::string::npos);
	struct stat info;
	ASSERT_EQ(stat(secret.c_str(), &info), 0);
	EXPECT_EQ(info.st_mode & 0777, 0600u);
	ASSERT_EQ(
	    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--out", folder.Path("new.json")}, "", strictMask).exitStatus,
	    0);
	ASSERT_EQ(stat(folder.Path("new.json").c_str(), &info), 0);
	EXPECT_EQ(info.st_mode & 0777, 0600u); // 0666 less the umask

	// Run in the module's folder, a bare name is the file there, not a library to search for.
	quillmere_tests::ProgramLimits inModuleFolder;
	inModuleFolder.folder = std::filesystem::path(QUILLMERE_MODULE_PATH).parent_path().string();
	ProgramResult bare = quillmere_tests::RunProgram(
	    QUILLMERE_HOST_PATH, {"--plugin", std::filesystem::path(QUILLMERE_MODULE_PATH).filename().string()}, "",
	    inModuleFolder);
	EXPECT_EQ(bare.exitStatus, 0) << bare.err;
}

TEST(HostProgram, ModuleFailures_ExitOneNamingTheModule)
{
	ProgramResult missing = Host({"--plugin", "/nonexistent/Quillmere.so"});
	EXPECT_EQ(missing.exitStatus, 1);
	EXPECT_EQ(missing.err, "quillmere-host: /nonexistent/Quillmere.so: cannot open shared object file: No such file "
	                       "or directory\n"); // the path named once

	// An exception out of the module: refused at load, or logged as the command's failure.
	ProgramResult throwsOnLoad = Host({"--plugin", PLUGIN_THROWS_ON_LOAD_PATH});
	EXPECT_EQ(throwsOnLoad.exitStatus, 1);
	EXPECT_NE(throwsOnLoad.err.find("XSILoadPlugin threw an exception: no registration today"), std::string::npos)
	    << throwsOnLoad.err;
	json failed = json::parse(Host({"--plugin", PLUGIN_THROWS_IN_COMMAND_PATH, "--report", "json"}).out);
	ProgramResult throwsInCommand = Host({"--plugin", PLUGIN_THROWS_IN_COMMAND_PATH});
	EXPECT_EQ(throwsInCommand.exitStatus, 1);
	EXPECT_NE(throwsInCommand.err.find("the Quillmere command failed"), std::string::npos) << throwsInCommand.err;
	EXPECT_EQ(failed["log"][0]["message"], "Quillmere_Execute threw an exception: the command broke");
	EXPECT_EQ(failed["log"][0]["severity"], 2);
	EXPECT_NE(failed["status"], 0);

	ProgramResult noEntry = Host({"--plugin", SICORESDK_PATH});
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
		ProgramResult run = Host({"--plugin", entry.first, "--scene", folder.Path("bad.json"), "--page", "OK"});
		ended = true;
		writer.join();
		EXPECT_EQ(run.exitStatus, 2) << run.err;
		EXPECT_EQ(run.err, "quillmere-host: --plugin: " + entry.first + " " + entry.second + "\n");
		EXPECT_TRUE(run.out.empty());
	}
}

TEST(HostProgram, TextReportRedirected_ListsEveryObject)
{
	// More objects than a terminal's screenful: a file gets them all.
	TempFolder folder;
	WriteFile(folder.Path("rig.json"), SelectedObjectsScene(150));
	ProgramResult run = Host({"--scene", folder.Path("rig.json"), "--page", "OK"});
	ASSERT_EQ(run.exitStatus, 0) << run.err;
	EXPECT_NE(run.out.find("\n  object149\n    Constraint \"Position Cns\"\n"), std::string::npos);
	EXPECT_EQ(run.out.find("more objects"), std::string::npos);
}

TEST(HostProgram, HelpAndVersion)
{
	ProgramResult help = Host({"--help"});
	EXPECT_EQ(help.exitStatus, 0);
	EXPECT_NE(help.out.find("--page STEPS"), std::string::npos);
	EXPECT_NE(help.out.find("report, total)"), std::string::npos) << help.out; // every phase --timings prints
	EXPECT_EQ(Host({"-h"}).out, help.out);
	ProgramResult version = Host({"--version"});
	EXPECT_EQ(version.exitStatus, 0);
	EXPECT_EQ(version.out.rfind("quillmere-host ", 0), 0u);
}

// A user who meets a host that answers otherwise reproduces it here. The
// outcome is the same under every reading but the families: where chain
// elements or models are not 3D objects, selecting one does nothing.
TEST(HostProgram, UnderEachHostReading_TheSameDeletions_ButWhereTheFamilySaysOtherwise)
{
	TempFolder folder;
	std::string scene = folder.Path("rig.json");
	WriteFile(scene, R"({"objects": [
	  {"name": "hero", "class": "Model", "constraints": ["Pose Cns"], "children": [
	    {"name": "bone", "class": "ChainBone", "constraints": ["Position Cns"], "operators": ["SkeletonUpVectorOp"]}]},
	  {"name": "arm", "constraints": ["Direction Cns"]}],
	 "selection": ["hero", "bone", "arm"]})");
	const std::vector<std::string> model = {"hero:Pose Cns"};
	const std::vector<std::string> bone = {"bone:Position Cns", "bone:SkeletonUpVectorOp"};
	const std::vector<std::string> rest = {"arm:Direction Cns", "Scene_Root:QuillmereOption"};
	for (const host_engine::HostReadings& readings : host_engine::HostReadings::EachAlternative()) {
		SCOPED_TRACE(readings.Text());
		json run = JsonRun({"--scene", scene, "--page", "OK", "--reading", readings.Text()});
		EXPECT_EQ(run.contains("readings"), !readings.IsDefault());
		if (!readings.IsDefault()) {
			EXPECT_EQ(run["readings"], readings.Text());
		}
		std::vector<std::string> expected;
		if (readings.ModelsAre3DObjects()) {
			expected.insert(expected.end(), model.begin(), model.end());
		}
		if (readings.ChainElementsAre3DObjects()) {
			expected.insert(expected.end(), bone.begin(), bone.end());
		}
		expected.insert(expected.end(), rest.begin(), rest.end());
		EXPECT_EQ(DeletedNames(run), expected);
	}
	ProgramResult bad = Host({"--reading", "chain-elements=maybe"});
	EXPECT_EQ(bad.exitStatus, 2);
	EXPECT_EQ(bad.err,
	          "quillmere-host: --reading: chain-elements: no alternative \"maybe\" (3d-objects or own-family)\n");
	ProgramResult help = Host({"--help"});
	for (const host_engine::ReadingInfo& info : host_engine::kReadings) {
		EXPECT_NE(help.out.find(std::string("\n  ") + info.name + ": "), std::string::npos) << info.name;
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
		ProgramResult run = Host(args);
		std::string what = args[0] + " " + (args.size() > 1 ? args[1].substr(0, 30) : "");
		EXPECT_NE(run.exitStatus, 0) << what;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << what;
		EXPECT_LE(run.err.size(), 500u) << what << ": " << run.err.substr(0, 500);
	}
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
