// The errors the program reports, each one line, and the exit status each means.
#ifndef QUILLMERE_HOST_PROGRAM_ERRORS_H
#define QUILLMERE_HOST_PROGRAM_ERRORS_H

#include "text_encoding.h"

#include <stdexcept>
#include <string>

namespace quillmere_host {

// Bad input: usage, a scene file, page steps. One line, saying where. Exit 2.
class InputError : public std::runtime_error
{
public:
	explicit InputError(const std::string& message) : std::runtime_error(OneLine(message)) {}
};

// The plug-in module can't be loaded or lacks an entry point. Exit 1.
class ModuleError : public std::runtime_error
{
public:
	explicit ModuleError(const std::string& message) : std::runtime_error(OneLine(message)) {}
};

// An output that can't be written: the report or the --out file. Exit 1.
class OutputError : public std::runtime_error
{
public:
	explicit OutputError(const std::string& message) : std::runtime_error(OneLine(message)) {}
};

const int kExitOk = 0;
// The module, its command or an output failed.
const int kExitFailure = 1;
const int kExitBadInput = 2;

} // namespace quillmere_host

#endif
