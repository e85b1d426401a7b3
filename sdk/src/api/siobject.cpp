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
	host_engine::ObjectTable& objects = host.Objects();
	return objects.Names().AsString(objects.At(slot).nameId);
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
	uint32_t slot = host.SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return CRefArray();
	}
	const host_engine::ObjectTable& objects = host.Objects();
	LONG count = 0;
	for (uint32_t child = objects.At(slot).firstChild; child != host_engine::kNoSlot;
	     child = objects.At(child).nextSibling) {
		++count;
	}
	CRefArray nested(count); // made once, at its size
	CRef* items = count > 0 ? &nested[0] : nullptr;
	for (uint32_t child = objects.At(slot).firstChild; child != host_engine::kNoSlot;
	     child = objects.At(child).nextSibling) {
		host_engine::SetHandle(*items++, objects.HandleOf(child));
	}
	return nested;
}

} // namespace XSI
