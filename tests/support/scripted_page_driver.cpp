// A script written in code, checked against the page's buttons and
// parameters by their exact names, then applied step by step.
#include "support/scripted_page_driver.h"

#include "engine/page_item_names.h"
#include "engine/utf8.h"

#include <algorithm>
#include <string>
#include <utility>

namespace quillmere_tests {

using host_engine::AppendUtf8;
using host_engine::LayoutItem;
using host_engine::NextCodePoint;
using host_engine::PageAnswer;
using host_engine::PropertyPage;

namespace {

// What the page has of the kind the step names: its buttons or its parameters.
std::vector<std::wstring> NamesFor(PropertyPage& page, bool buttons)
{
	if (!buttons) {
		return page.ParameterNames();
	}
	std::vector<std::wstring> names;
	for (const LayoutItem& item : page.Layout()) {
		if (item.kind == LayoutItem::Button) {
			names.push_back(item.name);
		}
	}
	return names;
}

// `name` in quotes, as UTF-8 on one line: a control character shows as \xNN.
std::string Quoted(const std::wstring& name)
{
	static const char kHex[] = "0123456789abcdef";
	std::string out = "\"";
	for (size_t i = 0; i < name.size();) {
		char32_t code = NextCodePoint(name, &i);
		if (code < 0x20 || code == 0x7f) {
			out += "\\x";
			out += kHex[code >> 4];
			out += kHex[code & 0xf];
		} else {
			AppendUtf8(out, code);
		}
	}
	return out + "\"";
}

} // namespace

std::string ScriptedPageDriver::RefusalLine() const
{
	if (!m_refusal) {
		return std::string();
	}
	std::string line = "script step " + std::to_string(m_refusal->step + 1) + ": the page has no " +
	                   (m_refusal->button ? "button" : "parameter") + " called " + Quoted(m_refusal->name);
	if (!m_refusal->nearest.empty()) {
		line += " (it has " + Quoted(m_refusal->nearest) + ")";
	}
	return line;
}

ScriptedPageDriver& ScriptedPageDriver::Click(const std::wstring& button)
{
	m_steps.push_back(ScriptStep{ScriptStep::Click, button, false, Step()});
	return *this;
}

ScriptedPageDriver& ScriptedPageDriver::Set(const std::wstring& parameter, bool value)
{
	m_steps.push_back(ScriptStep{ScriptStep::Set, parameter, value, Step()});
	return *this;
}

ScriptedPageDriver& ScriptedPageDriver::Do(Step step)
{
	m_steps.push_back(ScriptStep{ScriptStep::Do, std::wstring(), false, std::move(step)});
	return *this;
}

ScriptedPageDriver& ScriptedPageDriver::Answer(PageAnswer answer)
{
	m_answer = answer;
	return *this;
}

size_t ScriptedPageDriver::StepCount(PropertyPage&)
{
	return m_steps.size();
}

bool ScriptedPageDriver::Check(PropertyPage& page, size_t step)
{
	const ScriptStep& checked = m_steps[step];
	if (checked.kind == ScriptStep::Do) {
		return true;
	}
	bool button = checked.kind == ScriptStep::Click;
	std::vector<std::wstring> names = NamesFor(page, button);
	if (std::find(names.begin(), names.end(), checked.name) != names.end()) {
		return true;
	}
	m_refusal.reset(new Refusal{step, button, checked.name, std::wstring()});
	for (const std::wstring& name : names) {
		if (host_engine::SamePageItemName(name, checked.name)) {
			m_refusal->nearest = name;
		}
	}
	return false;
}

bool ScriptedPageDriver::Apply(PropertyPage& page, size_t step, PageAnswer*)
{
	const ScriptStep& applied = m_steps[step];
	switch (applied.kind) {
	case ScriptStep::Click: page.Click(applied.name); break;
	case ScriptStep::Set: page.SetValue(applied.name, applied.value); break;
	case ScriptStep::Do: applied.run(page); break;
	}
	return false; // the script's answer closes the page, after every step
}

} // namespace quillmere_tests
