// The bridge's CRef and CRefArray: each function one member.
#include "bridge_faults.h"
#include "bridge_objects.h"

using namespace XSI;
using abi_bridge::Guarded;
using abi_bridge::Made;
using abi_bridge::Of;
using abi_bridge::RefOf;
using abi_bridge::WordOf;

extern "C" {

// ---- CRef ----

int32_t bridge_ref_class_id(bridge_ref ref)
{
	return Guarded<int32_t>(siUnknownClassID, [&] { return static_cast<int32_t>(RefOf(ref).GetClassID()); });
}

int bridge_ref_is_a(bridge_ref ref, int32_t class_id)
{
	return Guarded(0, [&] { return RefOf(ref).IsA(static_cast<siClassID>(class_id)) ? 1 : 0; });
}

bridge_string* bridge_ref_class_id_name(bridge_ref ref)
{
	return Guarded<bridge_string*>(nullptr, [&] { return abi_bridge::NewString(RefOf(ref).GetClassIDName()); });
}

int bridge_ref_is_valid(bridge_ref ref)
{
	return Guarded(0, [&] { return RefOf(ref).IsValid() ? 1 : 0; });
}

int bridge_ref_to_bool(bridge_ref ref)
{
	return Guarded(0, [&] { return static_cast<bool>(RefOf(ref)) ? 1 : 0; });
}

int bridge_ref_compare(bridge_ref ref, int32_t comparison, bridge_ref other)
{
	return Guarded(0, [&] {
		CRef left = RefOf(ref);
		CRef right = RefOf(other);
		switch (comparison) {
		case BRIDGE_LT: return left < right ? 1 : 0;
		case BRIDGE_GT: return left > right ? 1 : 0;
		default: return abi_bridge::Compared(left, comparison, right) ? 1 : 0;
		}
	});
}

int32_t bridge_ref_set(bridge_ref* ref, const bridge_string* path)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		CRef set = RefOf(*ref);
		CStatus status = set.Set(Of(path));
		*ref = WordOf(set);
		return abi_bridge::CodeOf(status);
	});
}

bridge_string* bridge_ref_as_text(bridge_ref ref)
{
	return Guarded<bridge_string*>(nullptr, [&] { return abi_bridge::NewString(RefOf(ref).GetAsText()); });
}

// ---- CRefArray ----

bridge_ref_array* bridge_ref_array_new(int32_t size)
{
	return Guarded<bridge_ref_array*>(nullptr, [&] { return Made<bridge_ref_array>(new CRefArray(size)); });
}

bridge_ref_array* bridge_ref_array_new_copy(const bridge_ref_array* from)
{
	return Guarded<bridge_ref_array*>(nullptr, [&] { return abi_bridge::NewRefArray(Of(from)); });
}

void bridge_ref_array_delete(bridge_ref_array* array)
{
	Guarded([&] { delete &Of(array); });
}

void bridge_ref_array_assign(bridge_ref_array* array, const bridge_ref_array* from)
{
	Guarded([&] { Of(array) = Of(from); });
}

void bridge_ref_array_append(bridge_ref_array* array, const bridge_ref_array* other)
{
	Guarded([&] { Of(array) += Of(other); });
}

bridge_ref bridge_ref_array_get(bridge_ref_array* array, int32_t index, int writable)
{
	return Guarded<bridge_ref>(0, [&] {
		CRefArray& refs = Of(array);
		return WordOf(writable ? refs[index] : static_cast<const CRefArray&>(refs)[index]);
	});
}

void bridge_ref_array_set(bridge_ref_array* array, int32_t index, bridge_ref ref)
{
	Guarded([&] { Of(array)[index] = RefOf(ref); });
}

bridge_ref bridge_ref_array_item(const bridge_ref_array* array, int32_t index)
{
	return Guarded<bridge_ref>(0, [&] { return WordOf(Of(array).GetItem(static_cast<LONG>(index))); });
}

bridge_ref bridge_ref_array_item_named(const bridge_ref_array* array, const bridge_string* name)
{
	return Guarded<bridge_ref>(0, [&] { return WordOf(Of(array).GetItem(Of(name))); });
}

void bridge_ref_array_add(bridge_ref_array* array, bridge_ref item)
{
	Guarded([&] { Of(array).Add(RefOf(item)); });
}

int32_t bridge_ref_array_count(const bridge_ref_array* array)
{
	return Guarded<int32_t>(0, [&] { return static_cast<int32_t>(Of(array).GetCount()); });
}

int bridge_ref_array_is_valid(const bridge_ref_array* array)
{
	return Guarded(0, [&] { return Of(array).IsValid() ? 1 : 0; });
}

int bridge_ref_array_to_bool(const bridge_ref_array* array)
{
	return Guarded(0, [&] { return static_cast<bool>(Of(array)) ? 1 : 0; });
}

int32_t bridge_ref_array_class_id(const bridge_ref_array* array)
{
	return Guarded<int32_t>(siUnknownClassID, [&] { return static_cast<int32_t>(Of(array).GetClassID()); });
}

bridge_string* bridge_ref_array_class_id_name(const bridge_ref_array* array)
{
	return Guarded<bridge_string*>(nullptr, [&] { return abi_bridge::NewString(Of(array).GetClassIDName()); });
}

int bridge_ref_array_is_a(const bridge_ref_array* array, int32_t class_id)
{
	return Guarded(0, [&] { return Of(array).IsA(static_cast<siClassID>(class_id)) ? 1 : 0; });
}

int32_t bridge_ref_array_filter(const bridge_ref_array* array, const bridge_string* type,
                                const bridge_string_array* families, const bridge_string* name, bridge_ref_array* out)
{
	return Guarded(abi_bridge::kFailCode,
	               [&] { return abi_bridge::CodeOf(Of(array).Filter(Of(type), Of(families), Of(name), Of(out))); });
}

} // extern "C"
