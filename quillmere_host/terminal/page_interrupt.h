// An interrupt while a page is open cancels the page instead of the program.
#ifndef QUILLMERE_HOST_PAGE_INTERRUPT_H
#define QUILLMERE_HOST_PAGE_INTERRUPT_H

namespace quillmere_host {

// For as long as it lives, SIGINT (Ctrl-C at a line prompt), SIGTERM and
// SIGHUP only set a flag, and interrupt a blocking read instead of
// restarting it: the page reads the flag as Cancel, so the terminal is
// restored and the report printed. (The Windows build keeps the defaults.)
class PageInterrupt
{
public:
	PageInterrupt();
	~PageInterrupt();
	PageInterrupt(const PageInterrupt&) = delete;
	PageInterrupt& operator=(const PageInterrupt&) = delete;

	bool Happened() const;
	// The signal that last interrupted a page in this run, or 0: the program
	// ends by a SIGTERM or SIGHUP once the run is reported.
	static int LastSignal();
};

} // namespace quillmere_host

#endif
