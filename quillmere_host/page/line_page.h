// The option page at a terminal that can't place its cursor (TERM=dumb, the
// Windows build): drawn once as text, then answered a line at a time.
#ifndef QUILLMERE_HOST_LINE_PAGE_H
#define QUILLMERE_HOST_LINE_PAGE_H

#include "page/page_vocabulary.h"

#include "engine/property_page.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace quillmere_host {

// A line of answers, as the line prompt reads it.
struct AnswerLine {
	enum Kind { Blank, Help, Quit, Actions, Refused };
	Kind kind = Blank;
	std::vector<PageAction> actions; // Actions: each word's, in order
	std::string problem;             // Refused: the first word the page can't take, and why
	size_t column = 1;               // Refused: where that word starts in the line
};

// The line's words (or the one label with blanks it is), "help", "q" or
// nothing; every word is looked up before any is taken, so a line with one
// word the page lacks is refused whole.
AnswerLine ReadAnswerLine(const std::string& line, const PageVocabulary& words);

// A line holds the words --page takes (a parameter's or button's name or
// label, a label with its blanks or without ("All ON"), NAME=on or
// NAME=off, OK, Cancel, in any case); "help" lists them, an empty line shows the page
// again, "q" and the end of input cancel. After each answer the whole page
// shows in one line, in its order. A line with a word the page doesn't take
// changes nothing and says why.
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
