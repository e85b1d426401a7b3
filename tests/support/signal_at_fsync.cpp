// Preloaded (LD_PRELOAD) into a program under test: its first fsync sends it
// the signal QUILLMERE_SIGNAL_AT_FSYNC names, the moment a file written
// atomically is whole but not yet renamed into place.
#include <dlfcn.h>
#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

extern "C" int fsync(int fd)
{
	using Fsync = int (*)(int);
	static Fsync next = reinterpret_cast<Fsync>(dlsym(RTLD_NEXT, "fsync"));
	static bool sent = false;
	const char* signal = getenv("QUILLMERE_SIGNAL_AT_FSYNC");
	if (!sent && signal != nullptr) {
		sent = true;
		kill(getpid(), atoi(signal));
	}
	return next(fd);
}
