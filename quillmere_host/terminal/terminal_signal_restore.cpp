// The signal handlers that write the terminal's reset and set its modes back
// before a signal ends the program as it would have.
#include "terminal/terminal_signal_restore.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <iterator>

namespace quillmere_host {

namespace {

// Every signal whose default action ends the program, but those the page
// takes as Cancel; the real-time ones are added at run time.
const int kEndingSignals[] = {SIGQUIT,   SIGILL,  SIGTRAP, SIGABRT, SIGBUS,  SIGFPE,    SIGUSR1, SIGSEGV,
                              SIGUSR2,   SIGPIPE, SIGALRM, SIGXCPU, SIGXFSZ, SIGVTALRM, SIGPROF, SIGSYS,
#ifdef SIGSTKFLT
                              SIGSTKFLT,
#endif
#ifdef SIGPWR
                              SIGPWR,
#endif
                              SIGIO};

// A handler can reach nothing else: set before the handlers are installed,
// only read by them.
const size_t kMaxReset = 512;
char g_reset[kMaxReset];
size_t g_resetLength = 0;
int g_terminal = -1;
struct termios g_modes;
bool g_haveModes = false;

// Only async-signal-safe calls: write, tcsetattr, sigaction, sigprocmask, raise.
extern "C" void RestoreTerminalAndEnd(int signal)
{
	for (size_t written = 0; written < g_resetLength;) {
		ssize_t n = write(g_terminal, g_reset + written, g_resetLength - written);
		if (n < 0 && errno == EINTR) {
			continue;
		}
		if (n <= 0) {
			break;
		}
		written += static_cast<size_t>(n);
	}
	if (g_haveModes) {
		tcsetattr(g_terminal, TCSANOW, &g_modes);
	}
	// Ended as the signal would have ended it: the shell sees the signal.
	struct sigaction fallback = {};
	fallback.sa_handler = SIG_DFL;
	sigemptyset(&fallback.sa_mask);
	sigaction(signal, &fallback, nullptr);
	sigset_t only;
	sigemptyset(&only);
	sigaddset(&only, signal);
	sigprocmask(SIG_UNBLOCK, &only, nullptr);
	raise(signal);
}

std::vector<int> EndingSignals()
{
	std::vector<int> signals(std::begin(kEndingSignals), std::end(kEndingSignals));
#ifdef SIGRTMIN
	for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
		signals.push_back(signal);
	}
#endif
	return signals;
}

} // namespace

TerminalSignalRestore::TerminalSignalRestore(int terminal, const struct termios* modes, const std::string& reset)
{
	g_terminal = terminal;
	g_haveModes = modes != nullptr;
	if (modes != nullptr) {
		g_modes = *modes;
	}
	g_resetLength = std::min(reset.size(), kMaxReset);
	std::memcpy(g_reset, reset.data(), g_resetLength);

	struct sigaction action = {};
	action.sa_handler = RestoreTerminalAndEnd;
	sigfillset(&action.sa_mask); // a second signal waits: the terminal is restored once
	for (int signal : EndingSignals()) {
		struct sigaction current;
		// Ignored or caught already (nohup, a sanitizer's handler): left as it is.
		if (sigaction(signal, nullptr, &current) != 0 || (current.sa_flags & SA_SIGINFO) != 0 ||
		    current.sa_handler != SIG_DFL) {
			continue;
		}
		if (sigaction(signal, &action, nullptr) == 0) {
			m_replaced.push_back(Replaced{signal, current});
		}
	}
}

TerminalSignalRestore::~TerminalSignalRestore()
{
	for (const Replaced& replaced : m_replaced) {
		sigaction(replaced.signal, &replaced.previous, nullptr);
	}
	g_resetLength = 0;
	g_haveModes = false;
}

} // namespace quillmere_host
