#include "api/journal_call.h"
#include "engine/ref_handles.h"
#include "engine/host.h"

#include <xsi_siobject.h>

namespace XSI {

CString SIObject::GetName() const
{
	JournalCall journal("SIObject.GetName", GetRef());
	host_engine::Host& host = host_engine::Host::Current();
	uint32_t slot = host.SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return CString();
	}
	std::wstring_view name = host.Objects().Name(slot);
	return CString(name.data(), static_cast<ULONG>(name.size()));
}

CStatus SIObject::PutName(const CString& in_name)
{
	JournalCall journal("SIObject.PutName", GetRef(), in_name);
	host_engine::Host& host = host_engine::Host::Current();
	uint32_t slot = host.SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return CStatus::Fail;
	}
	host.Objects().Rename(slot, in_name.GetWideString());
	return CStatus::OK;
}

CStatus SIObject::PutName(CString& in_name)
{
	JournalCall journal("SIObject.PutName", GetRef(), in_name);
	return PutName(static_cast<const CString&>(in_name));
}

CString SIObject::GetFullName() const
{
	JournalCall journal("SIObject.GetFullName", GetRef());
	return GetRef().GetAsText();
}

CRefArray SIObject::GetNestedObjects() const
{
	JournalCall journal("SIObject.GetNestedObjects", GetRef());
	host_engine::Host& host = host_engine::Host::Current();
	CRefArray nested;
	uint32_t slot = host.SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return nested;
	}
	const host_engine::ObjectTable& objects = host.Objects();
	size_t count = 0;
	for (uint32_t child = objects.At(slot).firstChild; child != host_engine::kNoSlot;
	     child = objects.At(child).nextSibling) {
		++count;
	}
	CRefAccess::Items_t& items = CRefAccess::Items(nested);
	items.reserve(count);
	for (uint32_t child = objects.At(slot).firstChild; child != host_engine::kNoSlot;
	     child = objects.At(child).nextSibling) {
		items.push_back(host.RefOf(child));
	}
	return nested;
}

} // namespace XSI
