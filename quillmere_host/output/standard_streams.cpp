#include "output/standard_streams.h"

#ifndef _WIN32
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillmere_host {

const char* StandardStreamNamed(const std::string& path)
{
#ifdef _WIN32
	(void)path;
	return nullptr;
#else
	const char* const kNames[] = {"standard input", "standard output", "standard error"};
	struct stat named;
	if (stat(path.c_str(), &named) != 0) {
		return nullptr; // no file yet: none of the streams
	}
	for (int fd = STDIN_FILENO; fd <= STDERR_FILENO; ++fd) {
		struct stat stream;
		if (fstat(fd, &stream) == 0 && stream.st_dev == named.st_dev && stream.st_ino == named.st_ino) {
			return kNames[fd];
		}
	}
	return nullptr;
#endif
}

} // namespace quillmere_host
