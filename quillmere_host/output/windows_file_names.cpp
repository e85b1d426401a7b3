#include "output/windows_file_names.h"

#include "base/text_encoding.h"

namespace quillmere_host {

namespace {

bool IsSeparator(char c)
{
	return c == '/' || c == '\\';
}

bool IsLetter(char c)
{
	return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// The path without what may hold a ':' of its own: the \\?\ of a long path,
// then a drive (C:).
std::string WithoutDrive(const std::string& path)
{
	std::string rest = path;
	if (rest.size() >= 4 && IsSeparator(rest[0]) && IsSeparator(rest[1]) && rest[2] == '?' && IsSeparator(rest[3])) {
		rest.erase(0, 4);
	}
	if (rest.size() >= 2 && IsLetter(rest[0]) && rest[1] == ':') {
		rest.erase(0, 2);
	}
	return rest;
}

// The name as Windows matches it against the devices: up to its first dot,
// the blanks before that dot dropped ("nul .json" is NUL), in lower case.
std::string DeviceStem(const std::string& name)
{
	std::string stem = name.substr(0, name.find('.'));
	while (!stem.empty() && stem.back() == ' ') {
		stem.pop_back();
	}
	return AsciiLowered(stem);
}

bool IsDeviceStem(const std::string& stem)
{
	for (const char* device : {"con", "prn", "aux", "nul", "conin$", "conout$"}) {
		if (stem == device) {
			return true;
		}
	}
	// COM and LPT with a digit, or with a superscript one, two or three.
	if (stem.compare(0, 3, "com") != 0 && stem.compare(0, 3, "lpt") != 0) {
		return false;
	}
	std::string number = stem.substr(3);
	return (number.size() == 1 && number[0] >= '0' && number[0] <= '9') || number == "\xc2\xb9" ||
	       number == "\xc2\xb2" || number == "\xc2\xb3";
}

} // namespace

std::string WindowsNameProblem(const std::string& path)
{
	// "\\.\NUL" and the like name devices outright.
	if (path.size() >= 4 && IsSeparator(path[0]) && IsSeparator(path[1]) && path[2] == '.' && IsSeparator(path[3])) {
		return "is in the Windows device namespace (\\\\.\\), not a file";
	}
	std::string rest = WithoutDrive(path);
	if (rest.find(':') != std::string::npos) {
		return "names a stream of a file (the part after ':'), not a file of its own: write to a plain file name";
	}
	size_t start = rest.find_last_of("/\\");
	std::string name = start == std::string::npos ? rest : rest.substr(start + 1);
	if (IsDeviceStem(DeviceStem(name))) {
		return "is a Windows device name (CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to LPT9, with or without an "
		       "extension), not a file";
	}
	return std::string();
}

} // namespace quillmere_host
