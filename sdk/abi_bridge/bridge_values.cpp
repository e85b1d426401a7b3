// The bridge's CValue and CValueArray: each function one member.
#include "bridge_faults.h"
#include "bridge_objects.h"

using namespace XSI;
using abi_bridge::Guarded;
using abi_bridge::Made;
using abi_bridge::NewValue;
using abi_bridge::Of;

namespace abi_bridge {

CValue ValueOfNumber(const bridge_number& number)
{
	switch (number.kind) {
	case BRIDGE_SHORT: return CValue(static_cast<short>(number.u.s));
	case BRIDGE_USHORT: return CValue(static_cast<unsigned short>(number.u.us));
	case BRIDGE_LONG: return CValue(static_cast<LONG>(number.u.l));
	case BRIDGE_INT: return CValue(static_cast<int>(number.u.l));
	case BRIDGE_ULONG: return CValue(static_cast<ULONG>(number.u.ul));
	case BRIDGE_LLONG: return CValue(static_cast<LLONG>(number.u.ll));
	case BRIDGE_ULLONG: return CValue(static_cast<ULLONG>(number.u.ull));
	case BRIDGE_FLOAT: return CValue(number.u.f);
	case BRIDGE_DOUBLE: return CValue(number.u.d);
	case BRIDGE_BOOL: return CValue(number.u.b != 0);
	case BRIDGE_UCHAR: return CValue(static_cast<unsigned char>(number.u.uc));
	case BRIDGE_SCHAR: return CValue(static_cast<signed char>(number.u.sc));
	default: return CValue();
	}
}

void ReadNumber(const CValue& value, bridge_number* number)
{
	switch (number->kind) {
	case BRIDGE_SHORT: number->u.s = static_cast<short>(value); break;
	case BRIDGE_USHORT: number->u.us = static_cast<unsigned short>(value); break;
	case BRIDGE_LONG: number->u.l = static_cast<int32_t>(static_cast<LONG>(value)); break;
	case BRIDGE_INT: number->u.l = static_cast<int32_t>(static_cast<int>(value)); break;
	case BRIDGE_ULONG: number->u.ul = static_cast<uint32_t>(static_cast<ULONG>(value)); break;
	case BRIDGE_LLONG: number->u.ll = static_cast<LLONG>(value); break;
	case BRIDGE_ULLONG: number->u.ull = static_cast<ULLONG>(value); break;
	case BRIDGE_FLOAT: number->u.f = static_cast<float>(value); break;
	case BRIDGE_DOUBLE: number->u.d = static_cast<double>(value); break;
	case BRIDGE_BOOL: number->u.b = static_cast<bool>(value) ? 1 : 0; break;
	case BRIDGE_UCHAR: number->u.uc = static_cast<unsigned char>(value); break;
	case BRIDGE_SCHAR: number->u.sc = static_cast<signed char>(value); break;
	default: break;
	}
}

} // namespace abi_bridge

extern "C" {

// ---- CValue ----

bridge_value* bridge_value_new(void)
{
	return Guarded<bridge_value*>(nullptr, [] { return Made<bridge_value>(new CValue()); });
}

bridge_value* bridge_value_new_copy(const bridge_value* from)
{
	return Guarded<bridge_value*>(nullptr, [&] { return NewValue(Of(from)); });
}

bridge_value* bridge_value_new_number(const bridge_number* number)
{
	return Guarded<bridge_value*>(nullptr, [&] { return NewValue(abi_bridge::ValueOfNumber(*number)); });
}

bridge_value* bridge_value_new_string(const bridge_string* string)
{
	return Guarded<bridge_value*>(nullptr, [&] { return Made<bridge_value>(new CValue(Of(string))); });
}

bridge_value* bridge_value_new_ref(bridge_ref ref)
{
	return Guarded<bridge_value*>(nullptr, [&] { return Made<bridge_value>(new CValue(abi_bridge::RefOf(ref))); });
}

bridge_value* bridge_value_new_ref_array(const bridge_ref_array* array)
{
	return Guarded<bridge_value*>(nullptr, [&] { return Made<bridge_value>(new CValue(Of(array))); });
}

bridge_value* bridge_value_new_value_array(const bridge_value_array* array)
{
	return Guarded<bridge_value*>(nullptr, [&] { return Made<bridge_value>(new CValue(Of(array))); });
}

bridge_value* bridge_value_new_wide(const wchar_t* text)
{
	return Guarded<bridge_value*>(nullptr, [&] { return Made<bridge_value>(new CValue(text)); });
}

bridge_value* bridge_value_new_ascii(const char* text)
{
	return Guarded<bridge_value*>(nullptr, [&] { return Made<bridge_value>(new CValue(text)); });
}

bridge_value* bridge_value_new_string_array(const bridge_string_array* array)
{
	return Guarded<bridge_value*>(nullptr, [&] { return Made<bridge_value>(new CValue(Of(array))); });
}

void bridge_value_delete(bridge_value* value)
{
	Guarded([&] { delete &Of(value); });
}

int32_t bridge_value_type(const bridge_value* value)
{
	return Guarded<int32_t>(CValue::siEmpty, [&] { return static_cast<int32_t>(Of(value).m_t); });
}

void bridge_value_assign(bridge_value* value, const bridge_value* from)
{
	Guarded([&] { Of(value) = Of(from); });
}

void bridge_value_assign_number(bridge_value* value, const bridge_number* number)
{
	// Through the assignment of that built-in type, as the plug-in called it.
	Guarded([&] {
		CValue& to = Of(value);
		switch (number->kind) {
		case BRIDGE_SHORT: to = static_cast<short>(number->u.s); break;
		case BRIDGE_USHORT: to = static_cast<unsigned short>(number->u.us); break;
		case BRIDGE_LONG: to = static_cast<LONG>(number->u.l); break;
		case BRIDGE_INT: to = static_cast<int>(number->u.l); break;
		case BRIDGE_ULONG: to = static_cast<ULONG>(number->u.ul); break;
		case BRIDGE_LLONG: to = static_cast<LLONG>(number->u.ll); break;
		case BRIDGE_ULLONG: to = static_cast<ULLONG>(number->u.ull); break;
		case BRIDGE_FLOAT: to = number->u.f; break;
		case BRIDGE_DOUBLE: to = number->u.d; break;
		case BRIDGE_BOOL: to = number->u.b != 0; break;
		case BRIDGE_UCHAR: to = static_cast<unsigned char>(number->u.uc); break;
		case BRIDGE_SCHAR: to = static_cast<signed char>(number->u.sc); break;
		default: break;
		}
	});
}

void bridge_value_assign_string(bridge_value* value, const bridge_string* string)
{
	Guarded([&] { Of(value) = Of(string); });
}

void bridge_value_assign_ref(bridge_value* value, bridge_ref ref)
{
	Guarded([&] { Of(value) = abi_bridge::RefOf(ref); });
}

void bridge_value_assign_ref_array(bridge_value* value, const bridge_ref_array* array)
{
	Guarded([&] { Of(value) = Of(array); });
}

void bridge_value_assign_value_array(bridge_value* value, const bridge_value_array* array)
{
	Guarded([&] { Of(value) = Of(array); });
}

void bridge_value_assign_wide(bridge_value* value, const wchar_t* text)
{
	Guarded([&] { Of(value) = text; });
}

void bridge_value_assign_ascii(bridge_value* value, const char* text)
{
	Guarded([&] { Of(value) = text; });
}

void bridge_value_assign_string_array(bridge_value* value, const bridge_string_array* array)
{
	Guarded([&] { Of(value) = Of(array); });
}

void bridge_value_to_number(const bridge_value* value, bridge_number* number)
{
	Guarded([&] { abi_bridge::ReadNumber(Of(value), number); });
}

bridge_string* bridge_value_to_string(const bridge_value* value)
{
	return Guarded<bridge_string*>(nullptr, [&] { return abi_bridge::NewString(static_cast<CString>(Of(value))); });
}

bridge_ref bridge_value_to_ref(const bridge_value* value)
{
	return Guarded<bridge_ref>(0, [&] { return abi_bridge::WordOf(static_cast<CRef>(Of(value))); });
}

bridge_ref_array* bridge_value_to_ref_array(const bridge_value* value)
{
	return Guarded<bridge_ref_array*>(nullptr,
	                                  [&] { return abi_bridge::NewRefArray(static_cast<CRefArray>(Of(value))); });
}

int bridge_value_compare(const bridge_value* value, int32_t comparison, const bridge_value* other)
{
	return Guarded(0, [&] {
		const CValue& left = Of(value);
		const CValue& right = Of(other);
		switch (comparison) {
		case BRIDGE_EQ: return left == right ? 1 : 0;
		case BRIDGE_NE: return left != right ? 1 : 0;
		case BRIDGE_LT: return left < right ? 1 : 0;
		case BRIDGE_GT: return left > right ? 1 : 0;
		case BRIDGE_LE: return left <= right ? 1 : 0;
		case BRIDGE_GE: return left >= right ? 1 : 0;
		default: return 0;
		}
	});
}

int bridge_value_equals_string(const bridge_value* value, const bridge_string* string)
{
	return Guarded(0, [&] { return Of(value) == Of(string) ? 1 : 0; });
}

int bridge_value_equals_ref(const bridge_value* value, bridge_ref ref)
{
	return Guarded(0, [&] { return Of(value) == abi_bridge::RefOf(ref) ? 1 : 0; });
}

int bridge_value_equals_ref_array(const bridge_value* value, const bridge_ref_array* array)
{
	return Guarded(0, [&] { return Of(value) == Of(array) ? 1 : 0; });
}

int bridge_value_equals_value_array(const bridge_value* value, const bridge_value_array* array)
{
	return Guarded(0, [&] { return Of(value) == Of(array) ? 1 : 0; });
}

int bridge_value_equals_wide(const bridge_value* value, const wchar_t* text)
{
	return Guarded(0, [&] { return Of(value) == text ? 1 : 0; });
}

int bridge_value_equals_ascii(const bridge_value* value, const char* text)
{
	return Guarded(0, [&] { return Of(value) == text ? 1 : 0; });
}

int bridge_value_equals_string_array(const bridge_value* value, const bridge_string_array* array)
{
	return Guarded(0, [&] { return Of(value) == Of(array) ? 1 : 0; });
}

bridge_string* bridge_value_as_text(const bridge_value* value)
{
	return Guarded<bridge_string*>(nullptr, [&] { return abi_bridge::NewString(Of(value).GetAsText()); });
}

int bridge_value_is_empty(const bridge_value* value)
{
	return Guarded(1, [&] { return Of(value).IsEmpty() ? 1 : 0; });
}

void bridge_value_change_type(bridge_value* value, int32_t type, const bridge_value* source)
{
	Guarded([&] { Of(value).ChangeType(static_cast<CValue::DataType>(type), source ? &Of(source) : nullptr); });
}

void bridge_value_clear(bridge_value* value)
{
	Guarded([&] { Of(value).Clear(); });
}

// ---- CValueArray ----

bridge_value_array* bridge_value_array_new(int32_t size)
{
	return Guarded<bridge_value_array*>(nullptr, [&] { return Made<bridge_value_array>(new CValueArray(size)); });
}

bridge_value_array* bridge_value_array_new_copy(const bridge_value_array* from)
{
	return Guarded<bridge_value_array*>(nullptr, [&] { return Made<bridge_value_array>(new CValueArray(Of(from))); });
}

void bridge_value_array_delete(bridge_value_array* array)
{
	Guarded([&] { delete &Of(array); });
}

void bridge_value_array_assign(bridge_value_array* array, const bridge_value_array* from)
{
	Guarded([&] { Of(array) = Of(from); });
}

int32_t bridge_value_array_count(const bridge_value_array* array)
{
	return Guarded<int32_t>(0, [&] { return static_cast<int32_t>(Of(array).GetCount()); });
}

int32_t bridge_value_array_add(bridge_value_array* array, const bridge_value* item)
{
	return Guarded(abi_bridge::kFailCode, [&] { return abi_bridge::CodeOf(Of(array).Add(Of(item))); });
}

int32_t bridge_value_array_clear(bridge_value_array* array)
{
	return Guarded(abi_bridge::kFailCode, [&] { return abi_bridge::CodeOf(Of(array).Clear()); });
}

int32_t bridge_value_array_resize(bridge_value_array* array, int32_t size)
{
	return Guarded(abi_bridge::kFailCode, [&] { return abi_bridge::CodeOf(Of(array).Resize(size)); });
}

bridge_value* bridge_value_array_at(bridge_value_array* array, int32_t index, int writable)
{
	return Guarded<bridge_value*>(nullptr, [&] {
		CValueArray& items = Of(array);
		const CValue& item = writable ? items[index] : static_cast<const CValueArray&>(items)[index];
		return Made<bridge_value>(const_cast<CValue*>(&item));
	});
}

int bridge_value_array_compare(const bridge_value_array* array, int32_t comparison, const bridge_value_array* other)
{
	return Guarded(0, [&] { return abi_bridge::Compared(Of(array), comparison, Of(other)) ? 1 : 0; });
}

} // extern "C"
