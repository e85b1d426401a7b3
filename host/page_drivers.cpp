#include "page_drivers.h"

#include "text_encoding.h"

#include <algorithm>
#include <cctype>
#include <chrono>
#include <istream>
#include <ostream>

namespace quillmere_host {

namespace {

using host_core::LayoutItem;
using host_core::PageAnswer;

bool HasButton(const std::vector<LayoutItem>& layout, const std::wstring& name)
{
	return std::any_of(layout.begin(), layout.end(),
	                   [&](const LayoutItem& item) { return item.kind == LayoutItem::Button && item.name == name; });
}

std::string Lowered(std::string text)
{
	for (char& c : text) {
		c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
	}
	return text;
}

std::string Trimmed(const std::string& text)
{
	size_t first = text.find_first_not_of(" \t\r\n");
	size_t last = text.find_last_not_of(" \t\r\n");
	return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

// " (did you mean "AllOn"?)" when the page has a button or parameter of that
// name in another case; names are matched exactly, as the host does.
std::string Suggestion(host_core::PropertyPage& page, const PageStep& step)
{
	std::vector<std::wstring> names;
	if (step.kind == PageStep::Click) {
		for (const LayoutItem& item : page.Layout()) {
			if (item.kind == LayoutItem::Button) {
				names.push_back(item.name);
			}
		}
	} else {
		names = page.ParameterNames();
	}
	std::string asked = Lowered(ToUtf8(step.name));
	for (const std::wstring& name : names) {
		if (Lowered(ToUtf8(name)) == asked) {
			return " (did you mean \"" + ToUtf8(name) + "\"?)";
		}
	}
	return "";
}

} // namespace

PageSnapshot Snapshot(host_core::PropertyPage& page)
{
	PageSnapshot snapshot;
	snapshot.title = page.Title();
	snapshot.layout = page.Layout();
	for (const std::wstring& name : page.ParameterNames()) {
		snapshot.values[name] = static_cast<bool>(page.Value(name));
	}
	return snapshot;
}

PageAnswer RecordingPageDriver::Run(host_core::PropertyPage& page)
{
	auto opened = std::chrono::steady_clock::now();
	PageAnswer answer = Answer(page);
	m_outcome.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - opened).count();
	m_outcome.shown = true;
	m_outcome.confirmed = answer == PageAnswer::OK;
	m_outcome.snapshot = Snapshot(page);
	// The same values, in the property's order rather than by name.
	m_outcome.values.clear();
	for (const std::wstring& name : page.ParameterNames()) {
		m_outcome.values.emplace_back(name, m_outcome.snapshot.values[name]);
	}
	return answer;
}

PageAnswer ScriptedPageDriver::Answer(host_core::PropertyPage& page)
{
	// Every step is checked against the page before any is run: a typo must
	// not leave half the answers given.
	std::vector<std::wstring> parameters = page.ParameterNames();
	for (const PageStep& step : m_steps) {
		bool known = true;
		if (step.kind == PageStep::Click) {
			known = HasButton(page.Layout(), step.name);
		} else if (step.kind == PageStep::Set) {
			known = std::find(parameters.begin(), parameters.end(), step.name) != parameters.end();
		}
		if (!known) {
			m_error = "--page:" + std::to_string(step.column) + ": step \"" + step.text + "\": the page has no " +
			          (step.kind == PageStep::Click ? "button" : "parameter") + " called \"" + ToUtf8(step.name) +
			          "\"" + Suggestion(page, step);
			return PageAnswer::Cancel;
		}
	}
	for (const PageStep& step : m_steps) {
		switch (step.kind) {
		case PageStep::Click: page.Click(step.name); break;
		case PageStep::Set: page.SetValue(step.name, step.value); break;
		case PageStep::Ok: return PageAnswer::OK;
		case PageStep::Cancel: return PageAnswer::Cancel;
		}
	}
	return PageAnswer::Cancel;
}

PageAnswer TerminalPageDriver::Answer(host_core::PropertyPage& page)
{
	std::vector<std::wstring> items = NumberedItems(page.Layout());
	for (;;) {
		m_out << DrawPage(Snapshot(page))
		      << "Number to flip an option, a button to click it, ok or cancel: " << std::flush;
		std::string line;
		if (!std::getline(m_in, line)) {
			m_out << "\n";
			return PageAnswer::Cancel;
		}
		std::string answer = Trimmed(line);
		std::string lowered = Lowered(answer);
		if (lowered == "ok") {
			return PageAnswer::OK;
		}
		if (lowered == "cancel") {
			return PageAnswer::Cancel;
		}
		if (!answer.empty() &&
		    std::all_of(answer.begin(), answer.end(),
		                [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }) &&
		    answer.size() < 6) {
			size_t number = std::stoul(answer);
			if (number >= 1 && number <= items.size()) {
				const std::wstring& name = items[number - 1];
				page.SetValue(name, !static_cast<bool>(page.Value(name)));
				continue;
			}
		}
		bool clicked = false;
		for (const LayoutItem& item : page.Layout()) {
			if (item.kind == LayoutItem::Button &&
			    (Lowered(ToUtf8(item.name)) == lowered || Lowered(ToUtf8(item.label)) == lowered)) {
				page.Click(item.name);
				clicked = true;
				break;
			}
		}
		if (!clicked && !answer.empty()) {
			m_out << "No option, button or answer called \"" << answer << "\".\n";
		}
	}
}

} // namespace quillmere_host
