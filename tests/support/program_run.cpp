#include "support/program_run.h"

#include <fcntl.h>
#include <grp.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace quillmere_tests {

std::string ReadFile(const std::string& path)
{
	std::ifstream in(path, std::ios::binary);
	std::ostringstream text;
	text << in.rdbuf();
	return text.str();
}

void WriteFile(const std::string& path, const std::string& content)
{
	std::ofstream out(path, std::ios::binary | std::ios::trunc);
	out << content;
}

TempFolder::TempFolder()
{
	std::string pattern = (std::filesystem::temp_directory_path() / "quillmere-test-XXXXXX").string();
	if (mkdtemp(pattern.data()) == nullptr) {
		throw std::runtime_error("cannot make a temporary folder");
	}
	m_path = pattern;
}

TempFolder::~TempFolder()
{
	std::error_code ignored;
	std::filesystem::remove_all(m_path, ignored);
}

bool RunningAsRoot()
{
	return geteuid() == 0;
}

bool UnderAddressSanitizer()
{
#if defined(__SANITIZE_ADDRESS__)
	return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
	return true;
#else
	return false;
#endif
#else
	return false;
#endif
}

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input,
                         const ProgramLimits& limits)
{
	TempFolder folder;
	std::string inPath = folder.Path("stdin");
	std::string outPath = folder.Path("stdout");
	std::string errPath = folder.Path("stderr");
	WriteFile(inPath, input);

	std::vector<char*> argv;
	argv.push_back(const_cast<char*>(program.c_str()));
	for (const std::string& arg : args) {
		argv.push_back(const_cast<char*>(arg.c_str()));
	}
	argv.push_back(nullptr);
	std::vector<char*> envp;
	for (char** entry = environ; *entry != nullptr; ++entry) {
		std::string name = std::string(*entry).substr(0, std::string(*entry).find('=') + 1);
		bool replaced = false;
		for (const std::string& extra : limits.environment) {
			replaced = replaced || extra.compare(0, name.size(), name) == 0;
		}
		if (!replaced) {
			envp.push_back(*entry);
		}
	}
	for (const std::string& entry : limits.environment) {
		envp.push_back(const_cast<char*>(entry.c_str()));
	}
	envp.push_back(nullptr);

	ProgramResult result;
	pid_t pid = fork();
	if (pid == 0) {
		// In the child: only async-signal-safe calls until exec.
		int in = open(inPath.c_str(), O_RDONLY);
		int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
		int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
		if (in < 0 || out < 0 || err < 0 || dup2(in, 0) < 0 || dup2(out, 1) < 0 || dup2(err, 2) < 0) {
			_exit(127);
		}
		// A run a test ends by a signal leaves no core file behind.
		struct rlimit noCore = {0, 0};
		setrlimit(RLIMIT_CORE, &noCore);
		if (limits.maxFileBytes >= 0) {
			struct rlimit limit;
			limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(limits.maxFileBytes);
			setrlimit(RLIMIT_FSIZE, &limit);
		}
		if (limits.ignoreFileSizeSignal) {
			signal(SIGXFSZ, SIG_IGN);
		}
		if (limits.maxMemoryBytes >= 0) {
			struct rlimit limit;
			limit.rlim_cur = limit.rlim_max = static_cast<rlim_t>(limits.maxMemoryBytes);
			setrlimit(RLIMIT_AS, &limit);
		}
		if (limits.user >= 0 && (setgroups(0, nullptr) != 0 || setgid(static_cast<gid_t>(limits.user)) != 0 ||
		                         setuid(static_cast<uid_t>(limits.user)) != 0)) {
			_exit(127);
		}
		if (!limits.folder.empty() && chdir(limits.folder.c_str()) != 0) {
			_exit(127);
		}
		if (limits.fileCreationMask >= 0) {
			umask(static_cast<mode_t>(limits.fileCreationMask));
		}
		execve(program.c_str(), argv.data(), envp.data());
		_exit(127);
	}
	if (pid > 0) {
		int status = 0;
		waitpid(pid, &status, 0);
		result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
	}
	result.out = ReadFile(outPath);
	result.err = ReadFile(errPath);
	return result;
}

} // namespace quillmere_tests
