// Puts a full-screen terminal back before a signal ends the program.
#ifndef QUILLMERE_HOST_TERMINAL_SIGNAL_RESTORE_H
#define QUILLMERE_HOST_TERMINAL_SIGNAL_RESTORE_H

#include <signal.h>
#include <termios.h>

#include <string>
#include <vector>

namespace quillmere_host {

// For as long as it lives, a signal whose default action ends the program
// (SIGQUIT, SIGUSR1, SIGALRM, SIGPIPE, SIGSEGV, ...) first writes `reset` to
// the terminal (the sequences that leave the alternate screen, mouse
// tracking and keypad mode) and sets its modes back to `modes` (when given),
// then ends the program as it would have. A signal not at its default
// action (ignored, or caught by someone else) is left alone, and so are
// SIGINT, SIGTERM and SIGHUP, which cancel the page (PageInterrupt). One at
// a time: it is for the one page on screen.
class TerminalSignalRestore
{
public:
	TerminalSignalRestore(int terminal, const struct termios* modes, const std::string& reset);
	~TerminalSignalRestore();
	TerminalSignalRestore(const TerminalSignalRestore&) = delete;
	TerminalSignalRestore& operator=(const TerminalSignalRestore&) = delete;

private:
	struct Replaced {
		int signal;
		struct sigaction previous;
	};
	std::vector<Replaced> m_replaced;
};

} // namespace quillmere_host

#endif
