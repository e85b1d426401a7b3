// quillmere-host's --out from the outside: what the file holds after each way
// a run can end, and which destinations are refused before the run.
#include "support/program_run.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iterator>

namespace {

using quillmere_tests::ProgramLimits;
using quillmere_tests::ProgramResult;
using quillmere_tests::ReadFile;
using quillmere_tests::RunProgram;
using quillmere_tests::TempFolder;
using quillmere_tests::WriteFile;

const char* const kOldContent = "old content\n";

size_t Entries(const std::string& folder)
{
	return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder), {}));
}

struct FileState {
	ino_t inode = 0;
	mode_t mode = 0;
	struct timespec modified = {};
	std::string content;
};

FileState StateOf(const std::string& path)
{
	FileState state;
	struct stat info;
	if (stat(path.c_str(), &info) == 0) {
		state.inode = info.st_ino;
		state.mode = info.st_mode & 07777;
		state.modified = info.st_mtim;
	}
	state.content = ReadFile(path);
	return state;
}

// Left exactly as it was: the same file (not one renamed over it), mode,
// time and bytes.
void ExpectUntouched(const FileState& before, const std::string& path, const std::string& what)
{
	FileState after = StateOf(path);
	EXPECT_EQ(after.inode, before.inode) << what << ": replaced";
	EXPECT_EQ(after.mode, before.mode) << what;
	EXPECT_EQ(after.modified.tv_sec, before.modified.tv_sec) << what;
	EXPECT_EQ(after.modified.tv_nsec, before.modified.tv_nsec) << what;
	EXPECT_EQ(after.content, before.content) << what;
}

struct RunEnding {
	const char* what;
	std::vector<std::string> args;
	int exitStatus;
	bool written;
	const char* err;        // the one line on standard error, from its start; "" for none
	const char* input = ""; // standard input, which is not a terminal
};

// Every way a run can end that needs no terminal (the page's keys, signals
// at the page and a closed terminal are in terminal_page_tests.sh): only a
// confirmed page and a command that succeeded write --out. Whatever else
// ended the run, an existing file is left exactly as it was and no new one
// is made.
TEST(OutFile, EveryWayARunEnds_WrittenOnlyAfterAConfirmedPageAndASuccessfulCommand)
{
	const std::vector<RunEnding> endings = {
	    {"OK", {"--page", "OK"}, 0, true, ""},
	    {"no answers on standard input, which is not a terminal",
	     {},
	     0,
	     false,
	     "quillmere-host: standard input ended before OK or Cancel: the option page was cancelled (it gave no "
	     "answers; confirm with --page OK, or OK on standard input; see --help); --out was not written\n"},
	    {"answers on standard input that end before OK or Cancel",
	     {},
	     0,
	     false,
	     "quillmere-host: standard input ended before OK or Cancel: the option page was cancelled; --out was not "
	     "written\n",
	     "alloff pos\n"},
	    {"answers on standard input that end with OK", {}, 0, true, "", "alloff pos\nok\n"},
	    {"OK, then undone", {"--page", "OK", "--undo"}, 0, true, ""},
	    {"Cancel",
	     {"--page", "Cancel"},
	     0,
	     false,
	     "quillmere-host: the option page was cancelled; --out was not written"},
	    {"changes, then cancel",
	     {"--page", "AllOff Pos=on cancel"},
	     0,
	     false,
	     "quillmere-host: the option page was cancelled; --out was not written"},
	    {"a word the page lacks", {"--page", "AllOff Orx OK"}, 2, false, "quillmere-host: --page:8: the page has no"},
	    {"a command that fails",
	     {"--plugin", PLUGIN_COMMAND_FAILS_PATH, "--page", "OK"},
	     1,
	     false,
	     "quillmere-host: the Quillmere command failed"},
	    {"a command that throws",
	     {"--plugin", PLUGIN_THROWS_IN_COMMAND_PATH, "--page", "OK"},
	     1,
	     false,
	     "quillmere-host: the Quillmere command failed"},
	    {"a command that succeeds without a page to confirm",
	     {"--plugin", PLUGIN_LOGS_WHILE_LOADING_PATH, "--page", "OK"},
	     0,
	     false,
	     "quillmere-host: the command showed no option page to confirm; --out was not written"},
	    {"a module that throws as it loads", {"--plugin", PLUGIN_THROWS_ON_LOAD_PATH, "--page", "OK"}, 1, false, ""},
	    {"no module", {"--plugin", "/nonexistent/Quillmere.so", "--page", "OK"}, 1, false, ""},
	};
	for (const RunEnding& ending : endings) {
		TempFolder folder;
		std::string existing = folder.Path("existing.json");
		WriteFile(existing, kOldContent);
		ASSERT_EQ(chmod(existing.c_str(), 0640), 0);
		FileState before = StateOf(existing);
		std::string fresh = folder.Path("fresh.json");
		for (const std::string& out : {existing, fresh}) {
			std::vector<std::string> args = ending.args;
			args.insert(args.end(), {"--out", out});
			ProgramResult run = RunProgram(QUILLMERE_HOST_PATH, args, ending.input);
			EXPECT_EQ(run.exitStatus, ending.exitStatus) << ending.what << ": " << run.err;
			if (*ending.err == '\0' && ending.exitStatus == 0) {
				EXPECT_EQ(run.err, "") << ending.what;
			}
			EXPECT_EQ(run.err.rfind(ending.err, 0), 0u) << ending.what << ": " << run.err;
			EXPECT_LE(std::count(run.err.begin(), run.err.end(), '\n'), 1) << ending.what << ": " << run.err;
		}
		if (ending.written) {
			EXPECT_NE(ReadFile(existing).find("\"objects\""), std::string::npos) << ending.what;
			EXPECT_EQ(StateOf(existing).mode, 0640u) << ending.what;
			EXPECT_EQ(ReadFile(existing), ReadFile(fresh)) << ending.what;
		} else {
			ExpectUntouched(before, existing, ending.what);
			EXPECT_FALSE(std::filesystem::exists(fresh)) << ending.what << ": made";
		}
		EXPECT_EQ(Entries(folder.Path("")), ending.written ? 2u : 1u) << ending.what << ": a temporary file was left";
	}
}

// Sent while --out is being written, with the temporary file whole but not
// yet renamed: each signal removes it and ends the program as the signal
// would, the faults and the real-time signals too; the destination is as it
// was. A signal the program ignores (SIGXFSZ: a file-size limit is a write
// error) stays ignored.
TEST(OutFile, ASignalWhileItIsWritten_RemovesTheTemporaryFile_AndEndsTheProgramByThatSignal)
{
	std::string sanitizer = std::getenv("ASAN_OPTIONS") != nullptr ? std::getenv("ASAN_OPTIONS") : "";
	// A fault sent is a fault to the sanitizer, which would report it and
	// exit instead of ending by it.
	if (!sanitizer.empty()) {
		sanitizer += ":handle_segv=0:handle_sigbus=0:handle_sigfpe=0:handle_sigill=0";
	}
	for (int signal : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGALRM, SIGPIPE, SIGXFSZ, SIGSEGV, SIGBUS, SIGILL,
	                   SIGFPE, SIGTRAP, SIGSYS, SIGSTKFLT, SIGRTMIN, SIGRTMIN + 3, SIGRTMAX}) {
		SCOPED_TRACE(strsignal(signal));
		TempFolder folder;
		std::string destination = folder.Path("scene.json");
		WriteFile(destination, kOldContent);
		ProgramLimits limits;
		limits.environment = {"LD_PRELOAD=" SIGNAL_AT_FSYNC_PATH, "QUILLMERE_SIGNAL_AT_FSYNC=" + std::to_string(signal),
		                      // The preloaded library comes before the sanitizer's runtime.
		                      "ASAN_OPTIONS=" + sanitizer + (sanitizer.empty() ? "" : ":") +
		                          "verify_asan_link_order=0"};
		ProgramResult run = RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", destination}, "", limits);
		if (signal == SIGXFSZ) {
			EXPECT_EQ(run.exitStatus, 0) << run.err;
			EXPECT_NE(ReadFile(destination).find("\"objects\""), std::string::npos);
		} else {
			EXPECT_EQ(run.exitStatus, 128 + signal) << run.err;
			EXPECT_EQ(ReadFile(destination), kOldContent);
			EXPECT_TRUE(run.out.empty()) << "reported as if written";
		}
		EXPECT_EQ(Entries(folder.Path("")), 1u) << "a temporary file was left";
	}
}

// The program's own standard streams, however they are named, are refused
// before anything runs: renamed over, the file a stream was redirected to
// would be gone, and the report with it.
TEST(OutFile, TheProgramsOwnStandardStreams_HoweverNamed_RefusedBeforeTheRun)
{
	TempFolder folder;
	std::filesystem::create_symlink("/dev/stdout", folder.Path("log.json"));
	const std::pair<std::string, const char*> streams[] = {
	    {"/dev/stdout", "standard output"},     {"/dev/fd/1", "standard output"},
	    {"/proc/self/fd/1", "standard output"}, {folder.Path("log.json"), "standard output"},
	    {"/dev/stderr", "standard error"},      {"/proc/self/fd/2", "standard error"},
	    {"/dev/stdin", "standard input"},       {"/dev/fd/0", "standard input"},
	};
	for (const auto& stream : streams) {
		ProgramResult run = RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", stream.first}, "answers\n");
		EXPECT_EQ(run.exitStatus, 2) << stream.first << ": " << run.err;
		EXPECT_EQ(run.err, "quillmere-host: --out: " + stream.first + " is this program's " + stream.second +
		                       ", which is never written over; write the scene to a file of its own\n");
		EXPECT_EQ(run.out, "") << stream.first << ": written over, or the command ran";
	}
	EXPECT_EQ(Entries(folder.Path("")), 1u);
}

// A destination this user may not write or may not replace, or whose
// folder is missing, is refused before anything runs (exit 2, no report),
// however the rename would have fared.
TEST(OutFile, ADestinationThisUserMayNotWrite_OrAMissingFolder_RefusedBeforeTheRun)
{
	TempFolder folder;
	ASSERT_EQ(chmod(folder.Path("").c_str(), 0777), 0);
	std::string readOnly = folder.Path("read-only.json");
	WriteFile(readOnly, kOldContent);
	ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
	std::filesystem::create_directory(folder.Path("closed"));
	ASSERT_EQ(chmod(folder.Path("closed").c_str(), 0555), 0);
	WriteFile(folder.Path("closed/inside.json"), kOldContent);
	ASSERT_EQ(chmod(folder.Path("closed/inside.json").c_str(), 0666), 0);
	WriteFile(folder.Path("file"), kOldContent);
	std::filesystem::create_symlink("read-only.json", folder.Path("link.json"));
	// An ordinary user: as root, who may write anything, the tests run as nobody.
	ProgramLimits ordinary;
	if (quillmere_tests::RunningAsRoot()) {
		ordinary.user = 65534;
	}
	std::vector<std::pair<std::string, std::string>> refused = {
	    {readOnly, " is read-only for this user (mode 0444, owned by user "},
	    {folder.Path("link.json"),
	     " leads to read-only.json, which is read-only for this user (mode 0444, owned by user "},
	    {folder.Path("closed/inside.json"), " cannot be written: this user may not make files in its folder "},
	    {folder.Path("closed/new.json"), " cannot be written: this user may not make files in its folder "},
	    {folder.Path("missing/new.json"), " is in a folder that does not exist: " + folder.Path("missing")},
	    {folder.Path("missing/deeper/new.json"), " is in a folder that does not exist: "},
	    {folder.Path("file/new.json"), " is in " + folder.Path("file") + ", which is not a folder"},
	    // Paths as they were written, by the user or by a link: a folder is
	    // that text up to its last '/', never one the program composed.
	    {"./closed//new.json", " cannot be written: this user may not make files in its folder ./closed ("},
	    {"file/../missing/new.json", " is in a folder that does not exist: file/../missing"},
	    {"into-closed/link.json", " leads to ../closed/new.json, which cannot be written: this user may not make files "
	                              "in its folder ../closed ("},
	};
	std::filesystem::create_directory(folder.Path("into-closed"));
	std::filesystem::create_symlink("../closed/new.json", folder.Path("into-closed/link.json"));
	ordinary.folder = folder.Path("");
	// Another user's file this user may write, in a sticky folder (as /tmp
	// is), where only its owner, the folder's or root may rename over it.
	std::string sticky = folder.Path("sticky");
	std::string theirs = folder.Path("sticky/theirs.json");
	if (quillmere_tests::RunningAsRoot()) {
		std::filesystem::create_directory(sticky);
		ASSERT_EQ(chmod(sticky.c_str(), 01777), 0);
		WriteFile(theirs, kOldContent);
		ASSERT_EQ(chown(theirs.c_str(), 4242, 4242), 0);
		ASSERT_EQ(chmod(theirs.c_str(), 0666), 0);
		std::filesystem::create_symlink("sticky/theirs.json", folder.Path("to-theirs.json"));
		const std::string why = "cannot be replaced by this user: it is user 4242's, in a sticky folder (mode 1777) "
		                        "whose files only their owner, the folder's owner or root may replace";
		refused.push_back({theirs, " " + why});
		refused.push_back({folder.Path("to-theirs.json"), " leads to sticky/theirs.json, which " + why});
	}
	size_t entries = Entries(folder.Path(""));
	for (const auto& entry : refused) {
		ProgramResult run = RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", entry.first}, "", ordinary);
		EXPECT_EQ(run.exitStatus, 2) << entry.first << ": " << run.err;
		EXPECT_EQ(run.err.rfind("quillmere-host: --out: " + entry.first + entry.second, 0), 0u) << run.err;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
		EXPECT_TRUE(run.out.empty()) << entry.first << ": the command ran";
	}
	// A bare name is in the current folder, which the message names so.
	ProgramLimits inClosed = ordinary;
	inClosed.folder = folder.Path("closed");
	ProgramResult bare = RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", "new.json"}, "", inClosed);
	EXPECT_EQ(bare.exitStatus, 2) << bare.err;
	EXPECT_EQ(bare.err.rfind("quillmere-host: --out: new.json cannot be written: this user may not make files in the "
	                         "current folder (",
	                         0),
	          0u)
	    << bare.err;
	EXPECT_EQ(ReadFile(readOnly), kOldContent);
	EXPECT_EQ(ReadFile(folder.Path("closed/inside.json")), kOldContent);
	EXPECT_EQ(Entries(folder.Path("")), entries);
	EXPECT_EQ(Entries(folder.Path("closed")), 1u);
	if (quillmere_tests::RunningAsRoot()) {
		EXPECT_EQ(ReadFile(theirs), kOldContent);
		EXPECT_EQ(Entries(sticky), 1u);
	}
	chmod(folder.Path("closed").c_str(), 0755); // for the folder's removal
}

// An extended attribute the new file can't be given is a replace refused
// after the run (exit 1): the old file stays as it was, attribute and all,
// and no temporary file is left. Here a file capability, which only a
// privileged user may set, on a file another user may replace.
TEST(OutFile, AnAttributeThatCannotBeKept_TheFileIsNotReplaced)
{
	if (!quillmere_tests::RunningAsRoot()) {
		GTEST_SKIP() << "only root can give a file a capability and run as another user";
	}
	TempFolder folder;
	ASSERT_EQ(chmod(folder.Path("").c_str(), 0777), 0);
	std::string theirs = folder.Path("theirs.json");
	WriteFile(theirs, kOldContent);
	ASSERT_EQ(chmod(theirs.c_str(), 0666), 0);
	// Version 2, permitted: CAP_NET_BIND_SERVICE (bit 10).
	const unsigned char capability[20] = {0, 0, 0, 2, 0, 4};
	ASSERT_EQ(setxattr(theirs.c_str(), "security.capability", capability, sizeof(capability), 0), 0) << strerror(errno);
	FileState before = StateOf(theirs);
	ProgramLimits asNobody;
	asNobody.user = 65534;
	ProgramResult run = RunProgram(QUILLMERE_HOST_PATH, {"--page", "OK", "--out", theirs}, "", asNobody);
	EXPECT_EQ(run.exitStatus, 1) << run.err;
	EXPECT_EQ(run.err, "quillmere-host: " + theirs +
	                       ": cannot keep its extended attribute \"security.capability\" (Operation not permitted): "
	                       "not replaced, the file is as it was\n");
	ExpectUntouched(before, theirs, "a capability");
	char kept[20];
	EXPECT_EQ(getxattr(theirs.c_str(), "security.capability", kept, sizeof(kept)), 20);
	EXPECT_EQ(Entries(folder.Path("")), 1u) << "a temporary file was left";
}

} // namespace
