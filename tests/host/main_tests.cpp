// quillmere-host from the outside: its reports, its page steps, its errors.
#include "support/program_run.h"

#include "scene_reader.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
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

// The names of what a JSON report says was deleted, in order.
std::vector<std::string> DeletedNames(const json& report)
{
	std::vector<std::string> names;
	for (const json& entry : report["deleted"]) {
		names.push_back(entry["owner"].get<std::string>() + ":" + entry["name"].get<std::string>());
	}
	return names;
}

TEST(HostProgram, BundledSceneReports_MatchTheExpectedFiles)
{
	// Without a terminal the page is confirmed as it opened: everything goes.
	ProgramResult json = Host({"--report", "json"});
	ASSERT_EQ(json.exitStatus, 0) << json.err;
	EXPECT_EQ(json.out, ReadFile(EXPECTED_DIR "/sample_rig_report.json"));
	ProgramResult text = Host({});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_EQ(text.out, ReadFile(EXPECTED_DIR "/sample_rig_report.txt"));
	EXPECT_TRUE(text.err.empty());
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

TEST(HostProgram, Cancel_OnlyTheTemporaryPropertyGoes)
{
	json report = JsonRun({"--page", "AllOff Cancel"});
	EXPECT_EQ(report["page"]["confirmed"], false);
	EXPECT_EQ(report["page"]["values"]["Pos"], false);
	EXPECT_EQ(DeletedNames(report), std::vector<std::string>{"Scene_Root:QuillmereOption"});
	EXPECT_EQ(report["log"].size(), 0u);
	EXPECT_EQ(report["status"], 0);
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
	    {"unknown button", {"--page", "AllNone OK"}, nullptr, "no button called \"AllNone\""},
	    {"unknown parameter", {"--page", "Bogus=on OK"}, nullptr, "no parameter called \"Bogus\""},
	    {"button in another case", {"--page", "allon OK"}, nullptr, "(did you mean \"AllOn\"?)"},
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
	    {"unknown root property", {}, "{\"root_properties\": [\"NoSuchProperty\"]}", "NoSuchProperty"},
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

TEST(HostProgram, Undo_RestoresTheSceneAsLoaded)
{
	TempFolder folder;
	json report = JsonRun({"--undo", "--out", folder.Path("undone.json")});
	EXPECT_EQ(report["undo"]["restored"], true);
	EXPECT_EQ(report["deleted"].size(), 17u); // what was deleted, then put back
	ASSERT_EQ(Host({"--page", "AllOff OK", "--out", folder.Path("untouched.json")}).exitStatus, 0);
	EXPECT_EQ(ReadFile(folder.Path("undone.json")), ReadFile(folder.Path("untouched.json")));
}

TEST(HostProgram, SafeOutput_FailuresLeaveTheDestinationAsItWas)
{
	// Never renamed over something that is not a regular file.
	ProgramResult device = Host({"--out", "/dev/full"});
	EXPECT_EQ(device.exitStatus, 2);
	EXPECT_NE(device.err.find("not a regular file"), std::string::npos) << device.err;
	EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));

	ProgramResult unwritable = Host({"--out", "/proc/self/quillmere.json"});
	EXPECT_EQ(unwritable.exitStatus, 1);
	EXPECT_NE(unwritable.err.find("/proc/self/quillmere.json"), std::string::npos) << unwritable.err;
	EXPECT_TRUE(unwritable.out.empty());

	TempFolder folder;
	std::string destination = folder.Path("scene.json");
	WriteFile(destination, "old content\n");
	// The disk fills up mid-write: the write fails and is reported.
	quillmere_tests::ProgramLimits full;
	full.maxFileBytes = 200;
	full.ignoreFileSizeSignal = true;
	ProgramResult diskFull = quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--out", destination}, "", full);
	EXPECT_EQ(diskFull.exitStatus, 1) << diskFull.err;
	EXPECT_EQ(ReadFile(destination), "old content\n");
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1)
	    << "a temporary file was left";

	// Killed between write and rename: the destination is still the old one.
	quillmere_tests::ProgramLimits killed;
	killed.maxFileBytes = 200;
	ProgramResult kill = quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--out", destination}, "", killed);
	EXPECT_GE(kill.exitStatus, 128);
	EXPECT_EQ(ReadFile(destination), "old content\n");
}

TEST(HostProgram, ReportOnAFullDisk_OneLineErrorAndExitOne)
{
	// A report far larger than the program's output buffer, so that the disk
	// fills while it is still being written, not only at the final flush.
	std::string scene = "{\"objects\": [\n";
	std::string selection;
	for (int i = 0; i < 2000; ++i) {
		std::string name = "object" + std::to_string(i);
		scene += "  {\"name\": \"" + name + "\", \"constraints\": [\"Position Cns\"]},\n";
		selection += (i == 0 ? "\"" : ", \"") + name + "\"";
	}
	scene += "  {\"name\": \"last\"}\n], \"selection\": [" + selection + "]}\n";
	TempFolder folder;
	WriteFile(folder.Path("rig.json"), scene);
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

TEST(HostProgram, HelpAndVersion)
{
	ProgramResult help = Host({"--help"});
	EXPECT_EQ(help.exitStatus, 0);
	EXPECT_NE(help.out.find("--page STEPS"), std::string::npos);
	ProgramResult version = Host({"--version"});
	EXPECT_EQ(version.exitStatus, 0);
	EXPECT_EQ(version.out.rfind("quillmere-host ", 0), 0u);
}

} // namespace
