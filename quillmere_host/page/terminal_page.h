// The option page at a terminal: full screen where the terminal can place
// its cursor, else line by line.
#ifndef QUILLMERE_HOST_TERMINAL_PAGE_H
#define QUILLMERE_HOST_TERMINAL_PAGE_H

#include "terminal/controlling_terminal.h"

#include "engine/recording_page_driver.h"

#include <cstdio>
#include <iosfwd>
#include <memory>

namespace quillmere_host {

// Where the page is shown: the terminal it is typed at, and the one it is
// drawn on. `screenFile` is the same stream as `out`, for the full-screen
// page; nullptr shows the page line by line.
struct TerminalStreams {
	std::istream& in;
	std::ostream& out;
	std::FILE* inFile;
	std::FILE* screenFile;
};

class TerminalPageDriver : public host_engine::RecordingPageDriver
{
public:
	explicit TerminalPageDriver(const TerminalStreams& streams) : m_streams(streams) {}
	// The page drawn on `terminal` and typed at standard input, which is the
	// same terminal.
	explicit TerminalPageDriver(std::unique_ptr<ControllingTerminal> terminal);

protected:
	host_engine::PageAnswer Respond(host_engine::PropertyPage& page) override;

private:
	std::unique_ptr<ControllingTerminal> m_terminal; // before m_streams, which refer to it
	TerminalStreams m_streams;
};

} // namespace quillmere_host

#endif
