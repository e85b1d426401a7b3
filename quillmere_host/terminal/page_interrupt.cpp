// SIGINT, SIGTERM and SIGHUP caught as a flag while a page is open, so that
// they cancel the page; Windows keeps the defaults.
#include "terminal/page_interrupt.h"

#ifndef _WIN32
#include <signal.h>
#endif

namespace quillmere_host {

#ifdef _WIN32

PageInterrupt::PageInterrupt() {}
PageInterrupt::~PageInterrupt() {}
bool PageInterrupt::Happened() const
{
	return false;
}
int PageInterrupt::LastSignal()
{
	return 0;
}

#else

namespace {

const int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

// A signal handler can reach nothing else: one flag for the one open page.
volatile sig_atomic_t g_interrupted = 0;
volatile sig_atomic_t g_lastSignal = 0; // kept after the page, for the program's end
struct sigaction g_previous[sizeof(kSignals) / sizeof(kSignals[0])];

extern "C" void NoteInterrupt(int signal)
{
	g_interrupted = 1;
	g_lastSignal = signal;
}

} // namespace

PageInterrupt::PageInterrupt()
{
	g_interrupted = 0;
	struct sigaction action = {};
	action.sa_handler = NoteInterrupt;
	sigemptyset(&action.sa_mask);
	action.sa_flags = 0; // no SA_RESTART: the read waiting for a key returns
	for (size_t i = 0; i < sizeof(kSignals) / sizeof(kSignals[0]); ++i) {
		sigaction(kSignals[i], nullptr, &g_previous[i]);
		// A signal ignored when the program started (nohup) stays ignored.
		if (g_previous[i].sa_handler != SIG_IGN) {
			sigaction(kSignals[i], &action, nullptr);
		}
	}
}

PageInterrupt::~PageInterrupt()
{
	for (size_t i = 0; i < sizeof(kSignals) / sizeof(kSignals[0]); ++i) {
		sigaction(kSignals[i], &g_previous[i], nullptr);
	}
}

bool PageInterrupt::Happened() const
{
	return g_interrupted != 0;
}

int PageInterrupt::LastSignal()
{
	return g_lastSignal;
}

#endif

} // namespace quillmere_host
