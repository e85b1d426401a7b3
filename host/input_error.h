// Errors the program reports and the exit status each one means.
#ifndef QUILLMERE_HOST_INPUT_ERROR_H
#define QUILLMERE_HOST_INPUT_ERROR_H

#include <stdexcept>
#include <string>

namespace quillmere_host {

// Errors are one line, whatever the input they quote: control characters in
// a name or a path (a newline, say) are written as escapes.
inline std::string OneLine(const std::string& message)
{
	static const char kHex[] = "0123456789abcdef";
	std::string out;
	for (char c : message) {
		unsigned char byte = static_cast<unsigned char>(c);
		if (c == '\n') {
			out += "\\n";
		} else if (c == '\t') {
			out += "\\t";
		} else if (byte < 0x20 || byte == 0x7f) {
			out += "\\x";
			out += kHex[byte >> 4];
			out += kHex[byte & 0xf];
		} else {
			out += c;
		}
	}
	return out;
}

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
const int kExitModuleFailure = 1;
const int kExitBadInput = 2;

} // namespace quillmere_host

#endif
