// CRefArrays the host fills from its object table: counted first and made
// once at their size, each reference written straight into its place.
#ifndef XSI_STANDIN_REF_ARRAYS_H
#define XSI_STANDIN_REF_ARRAYS_H

#include "engine/object_table.h"
#include "engine/ref_handles.h"

#include <xsi_ref.h>

namespace XSI {

// The children of `parent` whose nodes `keep` answers true for, in order;
// none when `parent` is kNoSlot.
template <typename Keep> CRefArray ChildRefs(const host_engine::ObjectTable& objects, uint32_t parent, Keep keep)
{
	uint32_t first = parent == host_engine::kNoSlot ? host_engine::kNoSlot : objects.At(parent).firstChild;
	LONG count = 0;
	for (uint32_t child = first; child != host_engine::kNoSlot; child = objects.At(child).nextSibling) {
		count += keep(objects.At(child)) ? 1 : 0;
	}
	// One array, returned as it was made: no copy of it on the way out.
	CRefArray refs(count);
	CRef* items = count > 0 ? &refs[0] : nullptr;
	for (uint32_t child = first; child != host_engine::kNoSlot; child = objects.At(child).nextSibling) {
		if (keep(objects.At(child))) {
			host_engine::SetHandle(*items++, objects.HandleOf(child));
		}
	}
	return refs;
}

} // namespace XSI

#endif
