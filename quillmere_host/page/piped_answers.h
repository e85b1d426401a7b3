// The option page answered by what standard input carries when it is not a
// terminal: echo "alloff pos ok" | quillmere-host.
#ifndef QUILLMERE_HOST_PIPED_ANSWERS_H
#define QUILLMERE_HOST_PIPED_ANSWERS_H

#include "engine/page_drivers.h"

#include <iosfwd>
#include <string>

namespace quillmere_host {

// Read a line at a time as the line prompt reads it (words, a label with
// blanks, q; blank lines and help are passed over), nothing drawn. Since no
// one is there to correct a typo, a line with a word the page lacks cancels
// the page, and Refusal() says where and why. Input that ends before OK or
// Cancel cancels the page, as at the line prompt (EndedEarly says so, for
// the run's one line about the cancelled page); input that gives no answer
// at all (none, or only blank lines) confirms the page as it opened, and
// `notes` says that. A byte order mark opening the input is passed over.
class PipedAnswersDriver : public host_engine::RecordingPageDriver
{
public:
	PipedAnswersDriver(std::istream& in, std::ostream& notes) : m_in(in), m_notes(notes) {}

	// "standard input:LINE:COLUMN: ..." for the line the page could not
	// take; empty when there was none.
	const std::string& Refusal() const { return m_refusal; }
	// True when the input ended with the page still open, which cancelled it.
	bool EndedEarly() const { return m_endedEarly; }

protected:
	host_engine::PageAnswer Respond(host_engine::PropertyPage& page) override;

private:
	std::istream& m_in;
	std::ostream& m_notes;
	std::string m_refusal;
	bool m_endedEarly = false;
	size_t m_lines = 0; // read so far, on every page shown
};

} // namespace quillmere_host

#endif
