// quillmere-host: the Quillmere command on a scene file, as the host runs it.
// Here: what the platform needs set up, and the exit status each way a run ends.
#include "base/program_errors.h"
#include "command_line.h"
#include "run.h"
#include "terminal/page_interrupt.h"

#include "engine/current_host.h"
#include "engine/host.h"
#include "engine/plugin_host.h"

#include <csignal>
#include <cstdio>
#include <iostream>
#include <new>

#ifdef __GLIBC__
#include <malloc.h>
#endif
#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

int main(int argc, char** argv)
{
	using namespace quillmere_host;
#ifdef _WIN32
	// Reports read the same on every system: no CR before each LF.
	_setmode(_fileno(stdout), _O_BINARY);
#endif
#ifdef __GLIBC__
	// Freed memory stays with the program for the next phase to reuse: the
	// scene file's blueprint, freed before the run, becomes its undo record
	// instead of going back to the kernel and being faulted in again.
	mallopt(M_MMAP_THRESHOLD, 1 << 30);
	mallopt(M_TRIM_THRESHOLD, -1);
#endif
#ifdef SIGXFSZ
	// Past a file-size limit a write fails with EFBIG, reported as a full
	// disk is, the temporary file removed, rather than the signal killing
	// the program silently halfway.
	std::signal(SIGXFSZ, SIG_IGN);
#endif
	int exitStatus = kExitOk;
	try {
		Options options = ParseCommandLine(argc, argv);
		if (options.help) {
			std::cout << HelpText();
		} else if (options.version) {
			std::cout << "quillmere-host " << QUILLMERE_VERSION << "\n";
		} else {
			Run(options, StandardOutput());
		}
	} catch (const ProgramError& error) {
		std::cerr << "quillmere-host: " << error.what() << "\n";
		exitStatus = error.ExitStatus();
	} catch (const std::bad_alloc&) {
		std::cerr << "quillmere-host: out of memory: this scene needs more than the memory the program may use\n";
		exitStatus = kExitFailure;
	}
	// Now rather than as the host goes: a signal raised below ends the
	// program without running static destructors, and the plug-ins' unload
	// callbacks must still run.
	host_engine::CurrentHost().Plugins().UnloadAll();
	// The signal that cancelled the page ends the program once the run is
	// reported, as it would have: a shell loop stopped with Ctrl-C (at the
	// line prompt, a SIGINT) stops. Ctrl-C on the full-screen page is a key,
	// not a signal, and cancels like Escape.
	if (PageInterrupt::LastSignal() != 0) {
		// Ended as the signal ends a program (status 128+N in a shell), the
		// run reported and nothing written; unless it is ignored (nohup).
		std::fflush(nullptr);
		std::raise(PageInterrupt::LastSignal());
	}
	return exitStatus;
}
