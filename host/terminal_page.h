// The option page in the terminal: drawn as text, answered at a prompt.
#ifndef QUILLMERE_HOST_TERMINAL_PAGE_H
#define QUILLMERE_HOST_TERMINAL_PAGE_H

#include "engine/page_drivers.h"

#include <iosfwd>

namespace quillmere_host {

// Asks the user: an item's number flips it, a button's label or script name
// clicks it, "ok" or "cancel" closes the page (in any case); end of input
// cancels.
class TerminalPageDriver : public host_engine::RecordingPageDriver
{
public:
	TerminalPageDriver(std::istream& in, std::ostream& out) : m_in(in), m_out(out) {}

protected:
	host_engine::PageAnswer Respond(host_engine::PropertyPage& page) override;

private:
	std::istream& m_in;
	std::ostream& m_out;
};

} // namespace quillmere_host

#endif
