#include "page_steps.h"

#include "program_errors.h"
#include "quoted_text.h"
#include "text_encoding.h"

#include <cctype>

namespace quillmere_host {

namespace {

bool IsIdentifier(const std::string& text)
{
	if (text.empty() || !(std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_')) {
		return false;
	}
	for (char c : text) {
		if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) {
			return false;
		}
	}
	return true;
}

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
	// The closing answers in any case, as the interactive page takes them.
	std::string lowered = AsciiLowered(text);
	if (lowered == "ok" || lowered == "cancel") {
		step.kind = lowered == "ok" ? PageStep::Ok : PageStep::Cancel;
		return step;
	}
	size_t equals = text.find('=');
	if (equals == std::string::npos) {
		if (!IsIdentifier(text)) {
			Fail(step, "expected a button (such as AllOn), NAME=on, NAME=off, OK or Cancel");
		}
		step.kind = PageStep::Click;
		step.name = FromUtf8(text);
		return step;
	}
	std::string name = text.substr(0, equals);
	std::string value = text.substr(equals + 1);
	if (!IsIdentifier(name)) {
		Fail(step, "a parameter name must be letters, digits and '_'");
	}
	if (value != "on" && value != "off") {
		Fail(step, "a parameter is set to on or off");
	}
	step.kind = PageStep::Set;
	step.name = FromUtf8(name);
	step.value = value == "on";
	return step;
}

} // namespace

void Script(const std::vector<PageStep>& steps, host_engine::ScriptedPageDriver& driver)
{
	for (const PageStep& step : steps) {
		switch (step.kind) {
		case PageStep::Click: driver.Click(step.name); break;
		case PageStep::Set: driver.Set(step.name, step.value); break;
		case PageStep::Ok: driver.Answer(host_engine::PageAnswer::OK); break;
		case PageStep::Cancel: driver.Answer(host_engine::PageAnswer::Cancel); break;
		}
	}
}

std::string DescribeRefusal(const host_engine::ScriptedPageDriver::Refusal& refusal, const std::vector<PageStep>& steps)
{
	const PageStep& step = steps[refusal.step]; // the script's steps are the --page steps, in order
	// The name is the step, or most of it: quoted once.
	std::string message = "--page:" + std::to_string(step.column) + ": the page has no " +
	                      (refusal.button ? "button" : "parameter") + " called " + Quoted(ToUtf8(refusal.name));
	if (!refusal.nearest.empty()) {
		message += " (did you mean " + Quoted(ToUtf8(refusal.nearest)) + "?)";
	}
	return message;
}

std::vector<PageStep> ParsePageSteps(const std::string& text)
{
	std::vector<PageStep> steps;
	size_t i = 0;
	while (i < text.size()) {
		if (std::isspace(static_cast<unsigned char>(text[i]))) {
			++i;
			continue;
		}
		size_t start = i;
		while (i < text.size() && !std::isspace(static_cast<unsigned char>(text[i]))) {
			++i;
		}
		if (!steps.empty() && (steps.back().kind == PageStep::Ok || steps.back().kind == PageStep::Cancel)) {
			PageStep after;
			after.text = text.substr(start, i - start);
			after.column = start + 1;
			Fail(after, "nothing may follow " + steps.back().text);
		}
		steps.push_back(ParseStep(text.substr(start, i - start), start + 1));
	}
	if (steps.empty() || (steps.back().kind != PageStep::Ok && steps.back().kind != PageStep::Cancel)) {
		throw InputError("--page:" + std::to_string(text.size() + 1) + ": the steps must end with OK or Cancel");
	}
	return steps;
}

} // namespace quillmere_host
