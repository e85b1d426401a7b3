#include "api/journal_call.h"
#include "engine/ref_handles.h"
#include "engine/host.h"

#include <xsi_selection.h>

namespace XSI {

CRefArray Selection::GetArray()
{
	JournalCall journal("Selection.GetArray", GetRef());
	if (!IsValid()) {
		return CRefArray();
	}
	host_engine::Host& host = host_engine::Host::Current();
	const host_engine::ObjectTable& objects = host.Objects();
	const std::vector<host_engine::Handle>& selected = host.SelectionHandles();
	LONG count = 0;
	for (const host_engine::Handle& handle : selected) {
		count += objects.IsLive(handle) ? 1 : 0;
	}
	CRefArray array(count); // made once, at its size
	CRef* items = count > 0 ? &array[0] : nullptr;
	for (const host_engine::Handle& handle : selected) {
		if (objects.IsLive(handle)) {
			host_engine::SetHandle(*items++, handle);
		}
	}
	return array;
}

LONG Selection::GetCount() const
{
	JournalCall journal("Selection.GetCount", GetRef());
	if (!IsValid()) {
		return 0;
	}
	host_engine::Host& host = host_engine::Host::Current();
	LONG count = 0;
	for (const host_engine::Handle& handle : host.SelectionHandles()) {
		count += host.Objects().IsLive(handle) ? 1 : 0;
	}
	return count;
}

} // namespace XSI
