#include "inspect_obj.h"

#include "engine/host.h"
#include "engine/object_paths.h"
#include "engine/property_page.h"

#include <xsi_decl.h>

namespace host_engine {

namespace {

XSI::CValue Argument(const XSI::CValueArray& args, LONG index)
{
	return index < args.GetCount() ? args[index] : XSI::CValue();
}

std::vector<uint32_t> SelectedSlots(Host& host)
{
	std::vector<uint32_t> slots;
	for (const Handle& handle : host.Scene().SelectedObjects()) {
		slots.push_back(handle.slot);
	}
	return slots;
}

// Empty objects stand for the selection. A reference to an object that is
// gone, or to none at all, goes by a host reading: the selection, or itself
// (and so nothing to show).
std::vector<uint32_t> ResolveObjects(Host& host, const XSI::CValue& objects)
{
	std::vector<uint32_t> slots;
	if (objects.m_t == XSI::CValue::siRef) {
		uint32_t slot = host.Scene().SlotOf(static_cast<XSI::CRef>(objects));
		if (slot == kNoSlot && host.Readings().InspectWithoutTargetTakesSelection()) {
			return SelectedSlots(host);
		}
		slots.push_back(slot);
		return slots;
	}
	std::wstring list = objects.IsEmpty() ? std::wstring() : objects.GetAsText().GetWideString();
	if (list.empty()) {
		return SelectedSlots(host);
	}
	size_t start = 0;
	while (start <= list.size()) {
		size_t comma = list.find(L',', start);
		if (comma == std::wstring::npos) {
			comma = list.size();
		}
		slots.push_back(ResolvePath(host.Scene().Objects(), list.substr(start, comma - start)));
		start = comma + 1;
	}
	return slots;
}

} // namespace

XSI::CStatus InspectObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue)
{
	ioValue = XSI::CValue();
	if (host.Faults().failInspect) {
		return XSI::CStatus::Fail;
	}
	uint32_t property = kNoSlot;
	for (uint32_t slot : ResolveObjects(host, Argument(args, 0))) {
		if (slot != kNoSlot && host.Scene().Objects().At(slot).classId == XSI::siCustomPropertyID) {
			property = slot;
			break;
		}
	}
	if (property == kNoSlot) {
		return XSI::CStatus::InvalidArgument;
	}
	XSI::CValue modeArg = Argument(args, 3);
	LONG mode = modeArg.IsEmpty() ? static_cast<LONG>(XSI::siRecycle) : static_cast<LONG>(modeArg);
	// Empty keywords keep every page. The engine matches a custom property to
	// no keyword, so any keyword leaves nothing to show and a modal run
	// nothing to wait for.
	XSI::CValue keywordsArg = Argument(args, 1);
	bool filtered = !keywordsArg.IsEmpty() && !keywordsArg.GetAsText().IsEmpty();
	if (mode != XSI::siModal) {
		return XSI::CStatus::OK; // not modal: the run does not wait for the page
	}
	if (filtered) {
		return XSI::CStatus::Fail;
	}
	XSI::CValue titleArg = Argument(args, 2);
	std::wstring title = titleArg.IsEmpty() ? std::wstring() : titleArg.GetAsText().GetWideString();
	if (title.empty()) {
		title = std::wstring(host.Scene().Objects().Name(property));
	}
	XSI::CValue throwArg = Argument(args, 4);
	bool throwOnCancel = throwArg.IsEmpty() ? true : static_cast<bool>(throwArg);

	if (ShowModalPage(host, property, title) == PageAnswer::OK) {
		ioValue = false;
		return XSI::CStatus::OK;
	}
	if (throwOnCancel) {
		// A failure either way; its code is a host reading.
		return host.Readings().CancelledPageStatus();
	}
	ioValue = true;
	return XSI::CStatus::OK;
}

} // namespace host_engine
