// A page driver that answers the option page from a script, as a user would,
// and remembers what the page showed.
#ifndef QUILLMERE_TESTS_SCRIPTED_PAGE_H
#define QUILLMERE_TESTS_SCRIPTED_PAGE_H

#include "core/property_page.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace quillmere_tests {

using PageValues = std::map<std::wstring, bool>;

inline PageValues ReadValues(host_core::PropertyPage& page)
{
	PageValues values;
	for (const std::wstring& name : page.ParameterNames()) {
		values[name] = static_cast<bool>(page.Value(name));
	}
	return values;
}

class ScriptedPage : public host_core::PageDriver
{
public:
	using Step = std::function<void(host_core::PropertyPage&)>;

	// A step naming a button or parameter the page does not have fails the
	// test: a script must not pass by doing nothing.
	ScriptedPage& Click(const std::wstring& button)
	{
		m_steps.push_back([button](host_core::PropertyPage& page) {
			EXPECT_TRUE(page.Click(button)) << "the page has no button " << std::string(button.begin(), button.end());
		});
		return *this;
	}
	ScriptedPage& Set(const std::wstring& parameter, bool value)
	{
		m_steps.push_back([parameter, value](host_core::PropertyPage& page) {
			EXPECT_TRUE(page.SetValue(parameter, value))
			    << "the page has no parameter " << std::string(parameter.begin(), parameter.end());
		});
		return *this;
	}
	ScriptedPage& Do(Step step)
	{
		m_steps.push_back(std::move(step));
		return *this;
	}
	ScriptedPage& Answer(host_core::PageAnswer answer)
	{
		m_answer = answer;
		return *this;
	}

	host_core::PageAnswer Run(host_core::PropertyPage& page) override
	{
		++m_shown;
		m_title = page.Title();
		m_layout = page.Layout();
		m_propertyName = page.Property().GetAsText().GetWideString();
		m_openValues = ReadValues(page);
		for (const Step& step : m_steps) {
			step(page);
		}
		m_closeValues = ReadValues(page);
		return m_answer;
	}

	int TimesShown() const { return m_shown; }
	const std::wstring& Title() const { return m_title; }
	const std::vector<host_core::LayoutItem>& Layout() const { return m_layout; }
	const std::wstring& PropertyFullName() const { return m_propertyName; }
	const PageValues& OpenValues() const { return m_openValues; }
	const PageValues& CloseValues() const { return m_closeValues; }

private:
	std::vector<Step> m_steps;
	host_core::PageAnswer m_answer = host_core::PageAnswer::OK;
	int m_shown = 0;
	std::wstring m_title;
	std::wstring m_propertyName;
	std::vector<host_core::LayoutItem> m_layout;
	PageValues m_openValues;
	PageValues m_closeValues;
};

} // namespace quillmere_tests

#endif
