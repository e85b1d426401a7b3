#include "terminal_page.h"

#include "line_page.h"
#ifdef QUILLMERE_FULL_SCREEN_PAGE
#include "full_screen_page.h"
#endif

#include <ostream>

namespace quillmere_host {

host_engine::PageAnswer TerminalPageDriver::Respond(host_engine::PropertyPage& page)
{
#ifdef QUILLMERE_FULL_SCREEN_PAGE
	if (m_streams.screenFile != nullptr) {
		m_streams.out.flush(); // whatever was written before stays above the page
		host_engine::PageAnswer answer;
		if (FullScreenPage(m_streams.inFile, m_streams.screenFile).Answer(page, &answer)) {
			return answer;
		}
	}
#endif
	return LinePage(m_streams.in, m_streams.out).Answer(page);
}

} // namespace quillmere_host
