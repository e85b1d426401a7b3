// Selection: the objects selected in the scene, live ones only, in the order they were selected.
#include "journal_call.h"
#include "engine/ref_handles.h"
#include "engine/current_host.h"

#include <xsi_selection.h>

namespace XSI {

CRefArray Selection::GetArray()
{
	JournalCall journal("Selection.GetArray", *this);
	host_engine::Host& host = host_engine::CurrentHost();
	const host_engine::ObjectTable& objects = host.Scene().Objects();
	static const std::vector<host_engine::Handle> none;
	const std::vector<host_engine::Handle>& selected = IsValid() ? host.Scene().SelectionHandles() : none;
	LONG count = 0;
	for (const host_engine::Handle& handle : selected) {
		count += objects.IsLive(handle) ? 1 : 0;
	}
	// One array, made at its size and returned as it was made.
	CRefArray array(count);
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
	JournalCall journal("Selection.GetCount", *this);
	if (!IsValid()) {
		return 0;
	}
	host_engine::Host& host = host_engine::CurrentHost();
	LONG count = 0;
	for (const host_engine::Handle& handle : host.Scene().SelectionHandles()) {
		count += host.Scene().Objects().IsLive(handle) ? 1 : 0;
	}
	return count;
}

} // namespace XSI
