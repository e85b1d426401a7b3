// Errors the program reports and the exit status each one means.
#ifndef QUILLMERE_HOST_INPUT_ERROR_H
#define QUILLMERE_HOST_INPUT_ERROR_H

#include <stdexcept>
#include <string>

namespace quillmere_host {

// Bad input: usage, a scene file, page steps. One line, saying where. Exit 2.
class InputError : public std::runtime_error
{
public:
	explicit InputError(const std::string& message) : std::runtime_error(message) {}
};

// The plug-in module can't be loaded or lacks an entry point. Exit 1.
class ModuleError : public std::runtime_error
{
public:
	explicit ModuleError(const std::string& message) : std::runtime_error(message) {}
};

const int kExitOk = 0;
const int kExitModuleFailure = 1;
const int kExitBadInput = 2;

} // namespace quillmere_host

#endif
