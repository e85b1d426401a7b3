#include "api/journal_call.h"
#include "api/ref_access.h"
#include "core/host.h"

#include <xsi_selection.h>

namespace XSI {

CRefArray Selection::GetArray()
{
	JournalCall journal("Selection.GetArray", GetRef());
	CRefArray array;
	if (!IsValid()) {
		return array;
	}
	host_core::Host& host = host_core::Host::Current();
	std::vector<host_core::Handle> selected = host.SelectedObjects();
	CRefAccess::Items_t& items = CRefAccess::Items(array);
	items.reserve(selected.size());
	for (const host_core::Handle& handle : selected) {
		items.push_back(host.RefOf(handle));
	}
	return array;
}

LONG Selection::GetCount() const
{
	JournalCall journal("Selection.GetCount", GetRef());
	return IsValid() ? static_cast<LONG>(host_core::Host::Current().SelectedObjects().size()) : 0;
}

} // namespace XSI
