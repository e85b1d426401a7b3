#include "api/journal_call.h"
#include "engine/ref_handles.h"
#include "engine/host.h"

#include <xsi_selection.h>

namespace XSI {

CRefArray Selection::GetArray()
{
	JournalCall journal("Selection.GetArray", GetRef());
	CRefArray array;
	if (!IsValid()) {
		return array;
	}
	host_engine::Host& host = host_engine::Host::Current();
	std::vector<host_engine::Handle> selected = host.SelectedObjects();
	CRefAccess::Items_t& items = CRefAccess::Items(array);
	items.reserve(selected.size());
	for (const host_engine::Handle& handle : selected) {
		items.push_back(host.RefOf(handle));
	}
	return array;
}

LONG Selection::GetCount() const
{
	JournalCall journal("Selection.GetCount", GetRef());
	return IsValid() ? static_cast<LONG>(host_engine::Host::Current().SelectedObjects().size()) : 0;
}

} // namespace XSI
