// The errors the program reports, each one line, and the exit status each means.
#ifndef QUILLMERE_HOST_PROGRAM_ERRORS_H
#define QUILLMERE_HOST_PROGRAM_ERRORS_H

#include "base/text_encoding.h"

#include <stdexcept>
#include <string>

namespace quillmere_host {

const int kExitOk = 0;
// The module, its command or an output failed.
const int kExitFailure = 1;
const int kExitBadInput = 2;

// An error the program reports as one line before it exits with `ExitStatus`.
class ProgramError : public std::runtime_error
{
public:
	ProgramError(const std::string& message, int exitStatus)
	    : std::runtime_error(OneLine(message)), m_exitStatus(exitStatus)
	{
	}
	int ExitStatus() const { return m_exitStatus; }

private:
	int m_exitStatus;
};

// Bad input: usage, a scene file, page steps. One line, saying where. Exit 2.
class InputError : public ProgramError
{
public:
	explicit InputError(const std::string& message) : ProgramError(message, kExitBadInput) {}
};

// The plug-in module can't be loaded or lacks an entry point, or its command failed. Exit 1.
class ModuleError : public ProgramError
{
public:
	explicit ModuleError(const std::string& message) : ProgramError(message, kExitFailure) {}
};

// An output that can't be written: the report or the --out file. Exit 1.
class OutputError : public ProgramError
{
public:
	explicit OutputError(const std::string& message) : ProgramError(message, kExitFailure) {}
};

} // namespace quillmere_host

#endif
