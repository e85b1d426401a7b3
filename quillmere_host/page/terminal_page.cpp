#include "page/terminal_page.h"

#include "page/line_page.h"
#ifdef QUILLMERE_FULL_SCREEN_PAGE
#include "page/full_screen_page.h"
#endif

#include <iostream>

namespace quillmere_host {

TerminalPageDriver::TerminalPageDriver(std::unique_ptr<ControllingTerminal> terminal)
    : m_terminal(std::move(terminal)), m_streams{std::cin, m_terminal->Out(), m_terminal->File(), m_terminal->File()}
{
}

host_engine::PageAnswer TerminalPageDriver::Respond(host_engine::PropertyPage& page)
{
#ifdef QUILLMERE_FULL_SCREEN_PAGE
	if (m_streams.screenFile != nullptr) {
		// Whatever was written before stays above the page.
		std::cout.flush();
		std::cerr.flush();
		m_streams.out.flush();
		host_engine::PageAnswer answer;
		if (FullScreenPage(m_streams.inFile, m_streams.screenFile).Answer(page, &answer)) {
			return answer;
		}
	}
#endif
	return LinePage(m_streams.in, m_streams.out).Answer(page);
}

} // namespace quillmere_host
