// Property pages: what a page driver sees of an open page and how it answers.
#ifndef HOST_ENGINE_PROPERTY_PAGE_H
#define HOST_ENGINE_PROPERTY_PAGE_H

#include "engine/object_table.h"
#include "engine/page_layout.h"

#include <xsi_value.h>

#include <string>
#include <vector>

namespace host_engine {

class Host;
struct LoadedPlugin;

enum class PageAnswer { OK, Cancel };

// An open page on one custom property. Every change goes through the host
// and reaches the property's event callback as the host would send it.
class PropertyPage
{
public:
	PropertyPage(Host& host, uint32_t propertySlot, const std::wstring& title, std::vector<LayoutItem> layout);

	const std::wstring& Title() const { return m_title; }
	// The layout the property's DefineLayout callback built.
	const std::vector<LayoutItem>& Layout() const { return m_layout; }
	XSI::CRef Property() const;
	// The property's parameters, in the order they were added.
	std::vector<std::wstring> ParameterNames() const;
	// The parameter's value; empty when it has none or the property is gone.
	XSI::CValue Value(const std::wstring& parameter) const;

	// Sets a parameter as a user would; false when there is no such parameter.
	bool SetValue(const std::wstring& parameter, const XSI::CValue& value);
	// Clicks a button of the layout; false when the layout has no such button.
	bool Click(const std::wstring& buttonScriptName);

	// Sends a page event to the property's callback (open and close events).
	void SendEvent(int eventId, uint32_t source, const std::wstring& attribute = L"",
	               const std::wstring& attributeValue = L"");

private:
	Host& m_host;
	Handle m_property;
	std::wstring m_title;
	std::vector<LayoutItem> m_layout;
};

// Answers modal pages on behalf of the user: a script in tests, the terminal
// in the host program.
class PageDriver
{
public:
	virtual ~PageDriver() = default;
	virtual PageAnswer Run(PropertyPage& page) = 0;
};

// Shows a modal page on `propertySlot`: builds its layout, sends the open
// event, lets the driver answer, sends the close event.
PageAnswer ShowModalPage(Host& host, uint32_t propertySlot, const std::wstring& title);

} // namespace host_engine

#endif
