#include "engine/page_drivers.h"

#include <xsi_ref.h>

#include <algorithm>
#include <chrono>
#include <cwctype>

namespace host_engine {

namespace {

PageValues ValuesOf(PropertyPage& page)
{
	PageValues values;
	for (const std::wstring& name : page.ParameterNames()) {
		values.emplace_back(name, static_cast<bool>(page.Value(name)));
	}
	return values;
}

std::wstring Lowered(std::wstring text)
{
	for (wchar_t& c : text) {
		c = static_cast<wchar_t>(std::towlower(static_cast<wint_t>(c)));
	}
	return text;
}

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

} // namespace

PageAnswer RecordingPageDriver::Run(PropertyPage& page)
{
	auto opened = std::chrono::steady_clock::now();
	++m_record.timesShown;
	m_record.title = page.Title();
	m_record.layout = page.Layout();
	m_record.propertyFullName = page.Property().GetAsText().GetWideString();
	m_record.openValues = ValuesOf(page);
	PageAnswer answer = Respond(page);
	m_record.confirmed = answer == PageAnswer::OK;
	m_record.closeValues = ValuesOf(page);
	m_record.seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - opened).count();
	return answer;
}

PageAnswer WholeScriptDriver::Respond(PropertyPage& page)
{
	size_t count = StepCount(page);
	for (size_t step = 0; step < count; ++step) {
		if (!Check(page, step)) {
			return PageAnswer::Cancel;
		}
	}
	for (size_t step = 0; step < count; ++step) {
		PageAnswer answer = PageAnswer::Cancel;
		if (Apply(page, step, &answer)) {
			return answer;
		}
	}
	return AnswerAfterSteps();
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
		if (Lowered(name) == Lowered(checked.name)) {
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

} // namespace host_engine
