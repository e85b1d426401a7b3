// The option page at a terminal that can't place its cursor (TERM=dumb, the
// Windows build): drawn once as text, then answered a line at a time.
#ifndef QUILLMERE_HOST_LINE_PAGE_H
#define QUILLMERE_HOST_LINE_PAGE_H

#include "engine/property_page.h"

#include <iosfwd>

namespace quillmere_host {

// A line holds the words --page takes (a parameter's or button's name or
// label, a label with its blanks or without ("All ON"), NAME=on or
// NAME=off, OK, Cancel, in any case); "help" lists them, an empty line shows the page
// again, "q" and the end of input cancel. A line with a word the page
// doesn't take changes nothing and says why.
class LinePage
{
public:
	LinePage(std::istream& in, std::ostream& out) : m_in(in), m_out(out) {}

	host_engine::PageAnswer Answer(host_engine::PropertyPage& page);

private:
	std::istream& m_in;
	std::ostream& m_out;
};

} // namespace quillmere_host

#endif
