// quillmere-host from the outside: the scene it writes with --out and --undo,
// and every destination or failure that leaves a file as it was.
#include "quillmere_host/host_program_runs.h"

#include "support/scene_description.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

namespace {

using nlohmann::json;
using namespace quillmere_tests;

TEST(HostProgram, OutRoundTrip_AllOffWritesTheSceneAsLoaded)
{
	TempFolder folder;
	std::string first = folder.Path("first.json");
	std::string second = folder.Path("second.json");
	ASSERT_EQ(RunHostProgram({"--page", "AllOff OK", "--out", first}).exitStatus, 0);
	ASSERT_EQ(RunHostProgram({"--scene", first, "--page", "AllOff OK", "--out", second}).exitStatus, 0);
	EXPECT_EQ(ReadFile(first), ReadFile(second));

	SceneDescription loaded = ReadSceneFile(first);
	SceneDescription original = ReadSceneFile(QUILLMERE_SAMPLE_SCENE);
	EXPECT_EQ(loaded.selection, original.selection);
	EXPECT_EQ(json::parse(ReadFile(first))["objects"].dump(), json::parse(ReadFile(second))["objects"].dump());
	// Constraint types and the decoys survive the trip.
	std::string written = ReadFile(first);
	EXPECT_NE(written.find("\"knee_aim\""), std::string::npos);
	EXPECT_NE(written.find("\"Scaling Cns\""), std::string::npos);

	// With everything on, the written scene has lost what the report says went.
	std::string third = folder.Path("third.json");
	ASSERT_EQ(RunHostProgram({"--page", "OK", "--out", third}).exitStatus, 0);
	std::string after = ReadFile(third);
	EXPECT_EQ(after.find("\"Position Cns\""), std::string::npos);
	EXPECT_EQ(after.find("SkeletonUpVectorOp"), std::string::npos);
	EXPECT_NE(after.find("\"knee_aim\""), std::string::npos);
}

TEST(HostProgram, GeneratedRig_EveryObjectSelected_WritesBackByteForByte)
{
	TempFolder folder;
	std::string rig = folder.Path("rig.json");
	ProgramResult made = quillmere_tests::RunProgram(
	    "/usr/bin/env", {"python3", SCRIPTS_DIR "/make-scene.py", "3000", rig, "--seed", "7"});
	ASSERT_EQ(made.exitStatus, 0) << made.err;

	// Nothing switched on: the scene goes out as it came in.
	ASSERT_EQ(RunHostProgram({"--scene", rig, "--page", "AllOff OK", "--out", folder.Path("same.json")}).exitStatus, 0);
	EXPECT_EQ(ReadFile(folder.Path("same.json")), ReadFile(rig));

	SceneDescription scene = ReadSceneFile(rig);
	EXPECT_EQ(scene.selection.size(), 3000u);
	json report = JsonRun({"--scene", rig, "--page", "OK"});
	EXPECT_TRUE(report["log"].empty());
	EXPECT_GT(report["deleted"].size(), 3000u);
}

// --out gets the command's result, from before the undo: the file lacks
// what the report lists as deleted.
TEST(HostProgram, Undo_RestoresTheSceneAsLoaded_OutHasTheCommandsResult)
{
	TempFolder folder;
	json report = JsonRun({"--page", "OK", "--undo", "--out", folder.Path("undone.json")});
	EXPECT_EQ(report["undo"]["restored"], true);
	EXPECT_EQ(report["deleted"].size(), 17u); // what was deleted, then put back
	ASSERT_EQ(RunHostProgram({"--page", "OK", "--out", folder.Path("done.json")}).exitStatus, 0);
	EXPECT_EQ(ReadFile(folder.Path("undone.json")), ReadFile(folder.Path("done.json")));
	EXPECT_EQ(ReadFile(folder.Path("undone.json")).find("\"Position Cns\""), std::string::npos);
}

TEST(HostProgram, OutNamingTheInputIsRefused)
{
	TempFolder folder;
	std::string scene = folder.Path("scene.json");
	std::string text = ReadFile(QUILLMERE_SAMPLE_SCENE);
	WriteFile(scene, text);
	ProgramResult run = RunHostProgram({"--scene", scene, "--out", scene});
	EXPECT_EQ(run.exitStatus, 2);
	EXPECT_NE(run.err.find("input scene file"), std::string::npos) << run.err;
	EXPECT_EQ(ReadFile(scene), text);
}

TEST(HostProgram, SafeOutput_FailuresLeaveTheDestinationAsItWas)
{
	// Never renamed over something that is not a regular file.
	ProgramResult device = RunHostProgram({"--out", "/dev/full"});
	EXPECT_EQ(device.exitStatus, 2);
	EXPECT_NE(device.err.find("not a regular file"), std::string::npos) << device.err;
	EXPECT_TRUE(std::filesystem::is_character_file("/dev/full"));

	// Refused before the run: no file can be made there.
	ProgramResult unwritable = RunHostProgram({"--out", "/proc/self/quillmere.json"});
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
		ProgramResult run = RunHostProgram({"--page", "OK", "--out", out});
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
	ProgramResult asRoot = RunHostProgram({"--page", "OK", "--out", theirs});
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
			ProgramResult run = RunHostProgram({"--plugin", plugin, "--page", "OK", "--out", out});
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

TEST(HostProgram, OutKeepsPermissionsAndLinks_APluginNamedBareIsTheOneInThisFolder)
{
	TempFolder folder;
	std::string secret = folder.Path("private.json");
	WriteFile(secret, "{}");
	chmod(secret.c_str(), 0600);
	std::filesystem::create_symlink("private.json", folder.Path("link.json"));
	quillmere_tests::ProgramLimits strictMask;
	strictMask.fileCreationMask = 077;
	ASSERT_EQ(quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", folder.Path("link.json")}, "",
	                                      strictMask)
	              .exitStatus,
	          0);
	EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("link.json")));
	EXPECT_NE(ReadFile(secret).find("\"objects\""), std::string::npos);
	struct stat info;
	ASSERT_EQ(stat(secret.c_str(), &info), 0);
	EXPECT_EQ(info.st_mode & 0777, 0600u);
	ASSERT_EQ(quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", folder.Path("new.json")}, "",
	                                      strictMask)
	              .exitStatus,
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

} // namespace
