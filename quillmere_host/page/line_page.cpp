// The option page a line at a time: drawn once, then each line's words
// taken, the page said again after each.
#include "page/line_page.h"

#include "page/page_steps.h"
#include "page/page_screen.h"
#include "terminal/page_interrupt.h"
#include "base/quoted_text.h"
#include "base/text_encoding.h"

#include <istream>
#include <ostream>

namespace quillmere_host {

namespace {

using host_engine::PageAnswer;

const char* const kPrompt = "> ";

std::string Trimmed(const std::string& text)
{
	size_t first = text.find_first_not_of(" \t\r\n");
	size_t last = text.find_last_not_of(" \t\r\n");
	return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// The whole page in one line, in its order, each option as the page labels
// it: "Position on, Orientation off, ...". A button sets options the line
// never named, so what changed alone would leave the rest unsaid; "No
// change: " leads when the answer changed nothing.
std::string PageState(const PageSnapshot& before, const PageSnapshot& after)
{
	std::string state;
	bool changed = false;
	for (const host_engine::LayoutItem& item : after.layout) {
		auto now = after.values.find(item.name);
		if (item.kind != host_engine::LayoutItem::Item || now == after.values.end()) {
			continue;
		}
		auto was = before.values.find(item.name);
		changed = changed || was == before.values.end() || was->second != now->second;
		state += (state.empty() ? "" : ", ") + ToUtf8(ForTerminal(item.label.empty() ? item.name : item.label)) +
		         (now->second ? " on" : " off");
	}
	if (state.empty()) {
		return "No change.";
	}
	return (changed ? "" : "No change: ") + state + ".";
}

// The line as steps, as --page takes them: a label's words joined.
std::vector<PageStep> StepsOf(const std::string& line, const PageVocabulary& words)
{
	return words.Grouped(SplitPageSteps(line));
}

} // namespace

AnswerLine ReadAnswerLine(const std::string& typed, const PageVocabulary& words)
{
	AnswerLine read;
	const std::string line = Trimmed(typed);
	if (line.empty()) {
		return read;
	}
	const size_t indent = typed.find_first_not_of(" \t\r\n");
	const std::string lowered = AsciiLowered(line);
	std::vector<PageStep> steps = StepsOf(line, words);
	PageAction first;
	std::string problem;
	bool known = words.Resolve(steps[0], &first, &problem);
	if (!known && steps.size() == 1 && (lowered == "help" || lowered == "?")) {
		read.kind = AnswerLine::Help;
		return read;
	}
	if (!known && steps.size() == 1 && (lowered == "q" || lowered == "quit")) {
		read.kind = AnswerLine::Quit;
		return read;
	}
	for (const PageStep& step : steps) {
		PageAction action;
		if (!step.problem.empty()) {
			problem = Quoted(step.text) + ": " + step.problem;
		} else if (words.Resolve(step, &action, &problem)) {
			read.actions.push_back(action);
			continue;
		}
		read.kind = AnswerLine::Refused;
		read.actions.clear();
		read.problem = problem;
		read.column = indent + step.column;
		return read;
	}
	read.kind = AnswerLine::Actions;
	return read;
}

PageAnswer LinePage::Answer(host_engine::PropertyPage& page)
{
	PageInterrupt interrupt;
	const PageVocabulary words(page);
	const std::string help =
	    "Options: " + words.Listing(false) + "\nButtons: " + words.Listing(true) +
	    "\nA name or a label, in any case, flips an option or clicks a button; NAME=on or NAME=off sets an"
	    " option.\nSeveral may go on a line. OK confirms; Cancel or q cancels; an empty line shows the page"
	    " again.\n";
	m_out << DrawPage(SnapshotOf(page)) << "Type an option or a button to flip or click it, OK or Cancel"
	      << " (help lists them).\n";
	for (;;) {
		m_out << kPrompt << std::flush;
		std::string line;
		// Looked at before each read too: a signal while a line was being
		// taken would otherwise wait for the next line.
		if (interrupt.Happened() || !std::getline(m_in, line) || interrupt.Happened()) {
			m_out << "\n";
			return PageAnswer::Cancel;
		}
		AnswerLine read = ReadAnswerLine(line, words);
		switch (read.kind) {
		case AnswerLine::Blank: m_out << DrawPage(SnapshotOf(page)); continue;
		case AnswerLine::Help: m_out << help; continue;
		case AnswerLine::Quit: return PageAnswer::Cancel;
		case AnswerLine::Refused:
			// As every message: a label's invisible characters shown escaped.
			m_out << OneLine(read.problem) << "; help lists the words. Nothing changed.\n";
			continue;
		case AnswerLine::Actions: break;
		}
		PageSnapshot before = SnapshotOf(page);
		PageAnswer answer;
		if (ApplyUntilClosed(read.actions, page, &answer)) {
			return answer;
		}
		m_out << PageState(before, SnapshotOf(page)) << "\n";
	}
}

} // namespace quillmere_host
