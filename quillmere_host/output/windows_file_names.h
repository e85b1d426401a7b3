// The names Windows takes for something other than a file of that name.
#ifndef QUILLMERE_HOST_WINDOWS_FILE_NAMES_H
#define QUILLMERE_HOST_WINDOWS_FILE_NAMES_H

#include <string>

namespace quillmere_host {

// Why `path`, on Windows, names no file of its own, or "" when it does: its
// last part is a device name (CON, PRN, AUX, NUL, COM0 to COM9, LPT0 to
// LPT9, CONIN$, CONOUT$, in any case, with or without an extension: NUL,
// nul.json, Com1.txt), or the path names a stream of a file (file.json:notes,
// a ':' past the drive's). A scene renamed there would fail only after the
// run, or land where no one looks. Plain text rules, the same on every
// system, so that they can be tested anywhere; only the Windows build
// applies them.
std::string WindowsNameProblem(const std::string& path);

} // namespace quillmere_host

#endif
