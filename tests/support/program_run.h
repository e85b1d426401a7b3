// Running a program as a user would, with its output captured.
#ifndef QUILLMERE_TESTS_PROGRAM_RUN_H
#define QUILLMERE_TESTS_PROGRAM_RUN_H

#include <string>
#include <vector>

namespace quillmere_tests {

struct ProgramResult {
	int exitStatus = -1;
	std::string out;
	std::string err;
};

// What a run is started under: limits that stand in for a full disk, a
// kill or a small machine, the folder it runs in, the mask it creates files
// with, the user it runs as, what its environment adds.
struct ProgramLimits {
	long long maxFileBytes = -1;       // RLIMIT_FSIZE; -1 for none
	bool ignoreFileSizeSignal = false; // past the limit: EFBIG rather than death by SIGXFSZ
	long long maxMemoryBytes = -1;     // RLIMIT_AS; -1 for none
	std::string folder;                // empty: the test's own
	int fileCreationMask = -1;         // a umask; -1 keeps the test's
	int user = -1;                     // a user id (and group id) to run as, when run as root; -1: the test's
	// NAME=VALUE each, in place of the test's own of that name.
	std::vector<std::string> environment;
};

// True when the tests run as root, who may run a program as another user
// and give files away.
bool RunningAsRoot();

// True in a build whose programs run under AddressSanitizer, which reserves
// more address space than any RLIMIT_AS a test would set.
bool UnderAddressSanitizer();

// Runs `program` with `args`; standard input is `input` (empty: nothing).
ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::string& input = "", const ProgramLimits& limits = ProgramLimits());

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& content);

// A fresh folder for one test's files, removed with the object.
class TempFolder
{
public:
	TempFolder();
	~TempFolder();
	std::string Path(const std::string& name) const { return m_path + "/" + name; }

private:
	std::string m_path;
};

} // namespace quillmere_tests

#endif
