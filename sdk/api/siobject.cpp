// SIObject: an object's name, full name, renaming, and the objects nested under it.
#include "journal_call.h"
#include "ref_arrays.h"
#include "engine/ref_handles.h"
#include "engine/current_host.h"

#include <xsi_siobject.h>

namespace XSI {

CString SIObject::GetName() const
{
	JournalCall journal("SIObject.GetName", *this);
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t slot = host.Scene().SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return CString();
	}
	host_engine::ObjectTable& objects = host.Scene().Objects();
	return objects.Names().AsString(objects.At(slot).nameId);
}

CStatus SIObject::PutName(const CString& in_name)
{
	JournalCall journal("SIObject.PutName", *this, in_name);
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t slot = host.Scene().SlotOf(GetRef());
	if (slot == host_engine::kNoSlot) {
		return CStatus::Fail;
	}
	host.Scene().Objects().Rename(slot, in_name.GetWideString());
	return CStatus::OK;
}

CStatus SIObject::PutName(CString& in_name)
{
	JournalCall journal("SIObject.PutName", *this, in_name);
	return PutName(static_cast<const CString&>(in_name));
}

CString SIObject::GetFullName() const
{
	JournalCall journal("SIObject.GetFullName", *this);
	return GetRef().GetAsText();
}

CRefArray SIObject::GetNestedObjects() const
{
	JournalCall journal("SIObject.GetNestedObjects", *this);
	host_engine::Host& host = host_engine::CurrentHost();
	return ChildRefs(host.Scene().Objects(), host.Scene().SlotOf(GetRef()),
	                 [](const host_engine::Node&) { return true; });
}

} // namespace XSI
