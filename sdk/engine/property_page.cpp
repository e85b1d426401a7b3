// An open property page: its layout built, its parameters set and its buttons clicked as a user would.
#include "engine/property_page.h"

#include "engine/host.h"
#include "engine/layout_building.h"
#include "engine/item_parameters.h"
#include "node_data.h"
#include "engine/plugin_host.h"

#include <xsi_ppgeventcontext.h>

namespace host_engine {

namespace {

// The preset a custom property was made from names its callbacks.
LoadedPlugin* CallbackOwner(Host& host, uint32_t propertySlot, std::wstring* preset)
{
	PropertyData* property = DataOf<PropertyData>(host.Scene().Objects(), propertySlot);
	*preset = property ? property->preset : std::wstring();
	return preset->empty() ? nullptr : host.Plugins().PropertyOwner(*preset);
}

std::vector<LayoutItem> BuildLayout(Host& host, uint32_t propertySlot)
{
	ObjectTable& objects = host.Scene().Objects();
	// The layout the property kept from its last inspection: the callback
	// builds on it, so one that does not clear it first adds to it.
	PropertyData* property = DataOf<PropertyData>(objects, propertySlot);
	uint32_t layoutSlot = CreateLayout(objects, property ? property->layout : std::vector<LayoutItem>()).slot;

	std::wstring preset;
	LoadedPlugin* owner = CallbackOwner(host, propertySlot, &preset);
	bool built = owner && host.Plugins().CallWithContext(*owner, preset, "DefineLayout", layoutSlot, XSI::siContextID);
	std::vector<LayoutItem> items = LayoutItems(objects, layoutSlot);
	objects.DestroySubtree(layoutSlot);
	if (property && built) {
		property->layout = items;
	}
	if (!built) {
		// No layout callback: one item per parameter, as the host's default page.
		for (uint32_t parameter : ParametersOf(objects, propertySlot)) {
			LayoutItem item;
			item.kind = LayoutItem::Item;
			item.name = std::wstring(objects.Name(parameter));
			items.push_back(item);
		}
	}
	return items;
}

} // namespace

PropertyPage::PropertyPage(Host& host, uint32_t propertySlot, const std::wstring& title, std::vector<LayoutItem> layout)
    : m_host(host), m_property(host.Scene().Objects().HandleOf(propertySlot)), m_title(title),
      m_layout(std::move(layout))
{
}

XSI::CRef PropertyPage::Property() const
{
	return m_host.Scene().RefOf(m_property);
}

std::vector<std::wstring> PropertyPage::ParameterNames() const
{
	std::vector<std::wstring> names;
	ObjectTable& objects = m_host.Scene().Objects();
	if (!objects.IsLive(m_property)) {
		return names;
	}
	for (uint32_t parameter : ParametersOf(objects, m_property.slot)) {
		names.emplace_back(objects.Name(parameter));
	}
	return names;
}

XSI::CValue PropertyPage::Value(const std::wstring& parameter) const
{
	if (!m_host.Scene().Objects().IsLive(m_property)) {
		return XSI::CValue();
	}
	const ObjectTable& objects = m_host.Scene().Objects();
	return ParameterValue(objects, FindParameter(objects, m_property.slot, parameter));
}

bool PropertyPage::SetValue(const std::wstring& parameter, const XSI::CValue& value)
{
	if (!m_host.Scene().Objects().IsLive(m_property)) {
		return false;
	}
	uint32_t slot = FindParameter(m_host.Scene().Objects(), m_property.slot, parameter);
	if (!PutParameterValue(m_host.Scene().Objects(), slot, value)) {
		return false;
	}
	SendEvent(XSI::PPGEventContext::siParameterChange, slot);
	return true;
}

bool PropertyPage::Click(const std::wstring& buttonScriptName)
{
	for (const LayoutItem& item : m_layout) {
		if (item.kind == LayoutItem::Button && item.name == buttonScriptName) {
			SendEvent(XSI::PPGEventContext::siButtonClicked, m_property.slot, L"Button", buttonScriptName);
			return true;
		}
	}
	return false;
}

void PropertyPage::SendEvent(int eventId, uint32_t source, const std::wstring& attribute,
                             const std::wstring& attributeValue)
{
	if (!m_host.Scene().Objects().IsLive(m_property)) {
		return;
	}
	std::wstring preset;
	LoadedPlugin* owner = CallbackOwner(m_host, m_property.slot, &preset);
	if (owner != nullptr) {
		m_host.Plugins().CallWithContext(*owner, preset, "PPGEvent", source, XSI::siPPGEventContextID, eventId,
		                                 attribute, attributeValue);
	}
}

PageAnswer ShowModalPage(Host& host, uint32_t propertySlot, const std::wstring& title)
{
	PropertyPage page(host, propertySlot, title, BuildLayout(host, propertySlot));
	page.SendEvent(XSI::PPGEventContext::siOnInit, propertySlot);
	PageDriver* driver = host.GetPageDriver();
	PageAnswer answer = PageAnswer::OK;
	if (driver) {
		CallerScope scope(host.Caller(), ApiCaller::Kind::Host); // the user's answers, not the plug-in's calls
		answer = driver->Run(page);
	}
	page.SendEvent(XSI::PPGEventContext::siOnClosed, propertySlot);
	return answer;
}

} // namespace host_engine
