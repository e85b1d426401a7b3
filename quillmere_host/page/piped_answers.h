// The option page answered by what standard input carries when it is not a
// terminal: echo "alloff pos ok" | quillmere-host.
#ifndef QUILLMERE_HOST_PIPED_ANSWERS_H
#define QUILLMERE_HOST_PIPED_ANSWERS_H

#include "engine/recording_page_driver.h"

#include <iosfwd>
#include <string>
#include <utility>

namespace quillmere_host {

// Read a line at a time as the line prompt reads it (words, a label with
// blanks, q; blank lines and help are passed over), nothing drawn. Since no
// one is there to correct a typo, a line with a word the page lacks cancels
// the page, and RefusalLine() says where and why. Input that ends before OK or
// Cancel cancels the page, as at the line prompt, whether or not it gave
// answers (none, or only blank lines, included), and UnansweredNote() says so. A
// byte order mark opening the input is passed over.
class PipedAnswersDriver : public host_engine::RecordingPageDriver
{
public:
	// `noAnswers`, when given, is why the input can carry none (it is the
	// scene file, say): the note then gives that reason.
	explicit PipedAnswersDriver(std::istream& in, std::string noAnswers = std::string())
	    : m_in(in), m_noAnswers(std::move(noAnswers))
	{
	}

	// "standard input:LINE:COLUMN: ..." for the line the page could not
	// take; empty when there was none.
	std::string RefusalLine() const override { return m_refusal; }
	// Why the page was cancelled when the input ended before OK or Cancel,
	// for a line on standard error; empty otherwise.
	std::string UnansweredNote() const override { return m_endNote; }

protected:
	host_engine::PageAnswer Respond(host_engine::PropertyPage& page) override;

private:
	std::istream& m_in;
	std::string m_noAnswers;
	std::string m_refusal;
	std::string m_endNote;
	size_t m_lines = 0; // read so far, on every page shown
};

} // namespace quillmere_host

#endif
