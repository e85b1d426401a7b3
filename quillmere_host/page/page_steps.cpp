// Answer words split and parsed: names, NAME=on or NAME=off, OK and Cancel,
// each with its column and its problem; the --page messages.
#include "page/page_steps.h"

#include "base/file_place.h"
#include "base/program_errors.h"
#include "base/quoted_text.h"
#include "base/text_encoding.h"

#include <cctype>

namespace quillmere_host {

namespace {

// "--page:COLUMN: step "TEXT": ", which every message about a step starts with.
std::string StepPrefix(const PageStep& step)
{
	return "--page:" + std::to_string(step.column) + ": step " + Quoted(step.text) + ": ";
}

[[noreturn]] void Fail(const PageStep& step, const std::string& what)
{
	throw InputError(StepPrefix(step) + what);
}

PageStep ParseStep(const std::string& text, size_t column)
{
	PageStep step;
	step.text = text;
	step.column = column;
	// Every word in any case, as a user types them at the terminal.
	std::string lowered = AsciiLowered(text);
	if (lowered == "ok" || lowered == "cancel") {
		step.kind = lowered == "ok" ? PageStep::Ok : PageStep::Cancel;
		return step;
	}
	size_t equals = text.find('=');
	if (equals == std::string::npos) {
		step.kind = PageStep::Name;
		step.name = FromUtf8(text);
		return step;
	}
	std::string name = text.substr(0, equals);
	std::string value = AsciiLowered(text.substr(equals + 1));
	if (name.empty()) {
		step.problem = "expected NAME=on or NAME=off before the '='";
	} else if (value != "on" && value != "off") {
		step.problem = "a parameter is set to on or off";
	}
	step.kind = PageStep::Set;
	step.name = FromUtf8(name);
	step.value = value == "on";
	return step;
}

bool Closes(const PageStep& step)
{
	return step.kind == PageStep::Ok || step.kind == PageStep::Cancel;
}

} // namespace

std::string DescribeRefusal(const StepRefusal& refusal)
{
	// The problem names the word already: quoted once, a long one stays one short line.
	return "--page:" + std::to_string(refusal.column) + ": " + refusal.problem;
}

std::vector<PageStep> SplitPageSteps(const std::string& text)
{
	std::vector<PageStep> steps;
	size_t i = 0;
	ColumnCounter columnOf(text);
	while (i < text.size()) {
		if (std::isspace(static_cast<unsigned char>(text[i]))) {
			++i;
			continue;
		}
		size_t start = i;
		while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) {
			++i;
		}
		PageStep step = ParseStep(text.substr(start, i - start), columnOf.At(start));
		if (!steps.empty() && Closes(steps.back())) {
			step.problem = "nothing may follow " + steps.back().text;
		}
		steps.push_back(step);
	}
	return steps;
}

std::vector<PageStep> ParsePageSteps(const std::string& text)
{
	std::vector<PageStep> steps = SplitPageSteps(text);
	for (const PageStep& step : steps) {
		if (!step.problem.empty()) {
			Fail(step, step.problem);
		}
	}
	if (steps.empty() || !Closes(steps.back())) {
		throw InputError("--page:" + std::to_string(ColumnAt(text, text.size())) +
		                 ": the steps must end with OK or Cancel");
	}
	return steps;
}

} // namespace quillmere_host
