#include "support/program_run.h"

#include <fcntl.h>
#include <spawn.h>
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

ProgramResult RunProgram(const std::string& program, const std::vector<std::string>& args, const std::string& input)
{
	TempFolder folder;
	std::string inPath = folder.Path("stdin");
	std::string outPath = folder.Path("stdout");
	std::string errPath = folder.Path("stderr");
	WriteFile(inPath, input);

	posix_spawn_file_actions_t actions;
	posix_spawn_file_actions_init(&actions);
	posix_spawn_file_actions_addopen(&actions, 0, inPath.c_str(), O_RDONLY, 0);
	posix_spawn_file_actions_addopen(&actions, 1, outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
	posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);

	std::vector<char*> argv;
	argv.push_back(const_cast<char*>(program.c_str()));
	for (const std::string& arg : args) {
		argv.push_back(const_cast<char*>(arg.c_str()));
	}
	argv.push_back(nullptr);

	ProgramResult result;
	pid_t pid = 0;
	if (posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
		int status = 0;
		waitpid(pid, &status, 0);
		result.exitStatus = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
	}
	posix_spawn_file_actions_destroy(&actions);
	result.out = ReadFile(outPath);
	result.err = ReadFile(errPath);
	return result;
}

} // namespace quillmere_tests
