// The program's own standard streams, by the file each one is.
#ifndef QUILLMERE_HOST_STANDARD_STREAMS_H
#define QUILLMERE_HOST_STANDARD_STREAMS_H

#include <string>

namespace quillmere_host {

// Which of the program's standard streams `path` is, however it is named
// (/dev/stdout, /dev/fd/1, /proc/self/fd/1, or the file the shell
// redirected it to, by its own name or a link): "standard input",
// "standard output" or "standard error"; nullptr when it is none of them.
// A scene renamed over that file would take the stream's place on disk, and
// what the stream then carries (the report) would go to a file that is gone.
// Compared by device and file number; POSIX only (the Windows build has no
// such numbers to compare, and gives nullptr).
const char* StandardStreamNamed(const std::string& path);

} // namespace quillmere_host

#endif
