// Writing a file so that it is either all new or as it was, never half written.
#ifndef QUILLMERE_HOST_ATOMIC_FILE_H
#define QUILLMERE_HOST_ATOMIC_FILE_H

#include <string>

namespace quillmere_host {

// Writes `content` to a temporary file beside `path`, flushes it to disk and
// renames it over `path`. On failure the temporary file is removed, `path`
// is untouched, and false comes back with the reason in `error`.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error);

// True when both paths name the same existing file.
bool IsSameFile(const std::string& a, const std::string& b);

// True when `path` exists as something other than a regular file (a folder, a device).
bool ExistsAsNonRegularFile(const std::string& path);

} // namespace quillmere_host

#endif
