#include "page/piped_answers.h"

#include "page/line_page.h"

#include <istream>

namespace quillmere_host {

namespace {

using host_engine::PageAnswer;

// Longer than any line of answers: a stream with no line ends is refused
// rather than held whole.
const size_t kMaxLine = 1 << 20;

const char kByteOrderMark[] = "\xEF\xBB\xBF";

enum class LineRead { Line, End, TooLong };

LineRead NextLine(std::istream& in, std::string* line)
{
	line->clear();
	std::istream::sentry ready(in, true);
	if (!ready) {
		return LineRead::End;
	}
	std::streambuf* buffer = in.rdbuf();
	for (;;) {
		std::streambuf::int_type c = buffer->sbumpc();
		if (std::streambuf::traits_type::eq_int_type(c, std::streambuf::traits_type::eof())) {
			in.setstate(std::ios::eofbit);
			return line->empty() ? LineRead::End : LineRead::Line;
		}
		if (c == '\n') {
			return LineRead::Line;
		}
		if (line->size() == kMaxLine) {
			return LineRead::TooLong;
		}
		line->push_back(static_cast<char>(c));
	}
}

std::string Place(size_t line, size_t column)
{
	return "standard input:" + std::to_string(line) + ":" + std::to_string(column) + ": ";
}

} // namespace

PageAnswer PipedAnswersDriver::Respond(host_engine::PropertyPage& page)
{
	const PageVocabulary words(page);
	bool answered = false;
	std::string line;
	for (size_t number = 1;; ++number) {
		LineRead got = NextLine(m_in, &line);
		if (got == LineRead::End) {
			break;
		}
		if (m_lines++ == 0 && line.compare(0, 3, kByteOrderMark) == 0) {
			// Says how the text is encoded, as at the start of a scene file;
			// no answer, and no column.
			line.erase(0, 3);
		}
		if (got == LineRead::TooLong) {
			m_refusal = Place(number, 1) + "a line longer than 1 MiB";
			return PageAnswer::Cancel;
		}
		AnswerLine read = ReadAnswerLine(line, words);
		switch (read.kind) {
		case AnswerLine::Blank:
		case AnswerLine::Help: continue;
		case AnswerLine::Quit: return PageAnswer::Cancel;
		case AnswerLine::Refused:
			// No help to ask for here: the message says what the page has.
			m_refusal = Place(number, read.column) + read.problem + words.Offered();
			return PageAnswer::Cancel;
		case AnswerLine::Actions: break;
		}
		answered = true;
		PageAnswer answer;
		if (ApplyUntilClosed(read.actions, page, &answer)) {
			return answer;
		}
	}
	// No one is there to confirm what a script left unsaid: input that ends
	// before OK or Cancel cancels, answers or none, and a script that means
	// OK says so.
	if (!m_noAnswers.empty()) {
		m_endNote = m_noAnswers + ": the option page was cancelled (confirm with --page OK; see --help)";
	} else {
		m_endNote = "standard input ended before OK or Cancel: the option page was cancelled";
		if (!answered) {
			m_endNote += " (it gave no answers; confirm with --page OK, or OK on standard input; see --help)";
		}
	}
	return PageAnswer::Cancel;
}

} // namespace quillmere_host
