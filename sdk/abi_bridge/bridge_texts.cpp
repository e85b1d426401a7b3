// The bridge's CStatus, CString and CStringArray: each function one member.
#include "bridge_faults.h"
#include "bridge_objects.h"

using namespace XSI;
using abi_bridge::Guarded;
using abi_bridge::Made;
using abi_bridge::NewString;
using abi_bridge::Of;

namespace {

// A string against literal text, by the comparison named.
template <typename Text> bool ComparedWithText(const CString& string, int32_t comparison, Text text)
{
	return comparison == BRIDGE_EQ_NO_CASE ? string.IsEqualNoCase(text)
	                                       : abi_bridge::Compared(string, comparison, text);
}

} // namespace

extern "C" {

// ---- CStatus ----

int bridge_status_succeeded(int32_t code)
{
	return Guarded(0, [&] { return CStatus(static_cast<CStatus::Code>(code)).Succeeded() ? 1 : 0; });
}

bridge_string* bridge_status_description(int32_t code)
{
	return Guarded<bridge_string*>(
	    nullptr, [&] { return NewString(CStatus(static_cast<CStatus::Code>(code)).GetDescription()); });
}

void bridge_status_assert_succeeded(int32_t code, const bridge_string* message)
{
	Guarded([&] { CStatus(static_cast<CStatus::Code>(code)).AssertSucceeded(Of(message)); });
}

int bridge_status_compare(int32_t code, int32_t comparison, int32_t other)
{
	return Guarded(0, [&] {
		CStatus status(static_cast<CStatus::Code>(code));
		return abi_bridge::Compared(status, comparison, static_cast<CStatus::Code>(other)) ? 1 : 0;
	});
}

// ---- CString ----

bridge_string* bridge_string_new(void)
{
	return Guarded<bridge_string*>(nullptr, [] { return Made<bridge_string>(new CString()); });
}

bridge_string* bridge_string_new_wide(const wchar_t* text)
{
	return Guarded<bridge_string*>(nullptr, [&] { return Made<bridge_string>(new CString(text)); });
}

bridge_string* bridge_string_new_wide_count(const wchar_t* text, uint32_t count)
{
	return Guarded<bridge_string*>(nullptr,
	                               [&] { return Made<bridge_string>(new CString(text, static_cast<ULONG>(count))); });
}

bridge_string* bridge_string_new_ascii(const char* text)
{
	return Guarded<bridge_string*>(nullptr, [&] { return Made<bridge_string>(new CString(text)); });
}

bridge_string* bridge_string_new_ascii_count(const char* text, uint32_t count)
{
	return Guarded<bridge_string*>(nullptr,
	                               [&] { return Made<bridge_string>(new CString(text, static_cast<ULONG>(count))); });
}

bridge_string* bridge_string_new_copy(const bridge_string* from)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(Of(from)); });
}

bridge_string* bridge_string_new_from_value(const bridge_value* value)
{
	return Guarded<bridge_string*>(nullptr, [&] { return Made<bridge_string>(new CString(Of(value))); });
}

void bridge_string_delete(bridge_string* string)
{
	Guarded([&] { delete &Of(string); });
}

const wchar_t* bridge_string_wide(const bridge_string* string)
{
	return Guarded<const wchar_t*>(nullptr, [&] { return Of(string).GetWideString(); });
}

const char* bridge_string_ascii(const bridge_string* string)
{
	return Guarded<const char*>(nullptr, [&] { return Of(string).GetAsciiString(); });
}

int32_t bridge_string_put_ascii(bridge_string* string, const char* text)
{
	return Guarded(abi_bridge::kFailCode, [&] { return abi_bridge::CodeOf(Of(string).PutAsciiString(text)); });
}

uint32_t bridge_string_length(const bridge_string* string)
{
	return Guarded<uint32_t>(0, [&] { return static_cast<uint32_t>(Of(string).Length()); });
}

int bridge_string_is_empty(const bridge_string* string)
{
	return Guarded(1, [&] { return Of(string).IsEmpty() ? 1 : 0; });
}

void bridge_string_clear(bridge_string* string)
{
	Guarded([&] { Of(string).Clear(); });
}

void bridge_string_assign(bridge_string* string, const bridge_string* from)
{
	Guarded([&] { Of(string) = Of(from); });
}

void bridge_string_assign_wide(bridge_string* string, const wchar_t* text)
{
	Guarded([&] { Of(string) = text; });
}

void bridge_string_assign_ascii(bridge_string* string, const char* text)
{
	Guarded([&] { Of(string) = text; });
}

int bridge_string_compare(const bridge_string* string, int32_t comparison, const bridge_string* other)
{
	return Guarded(0, [&] {
		const CString& left = Of(string);
		const CString& right = Of(other);
		switch (comparison) {
		case BRIDGE_LT: return left < right ? 1 : 0;
		case BRIDGE_GT: return left > right ? 1 : 0;
		case BRIDGE_EQ_NO_CASE: return left.IsEqualNoCase(right) ? 1 : 0;
		default: return abi_bridge::Compared(left, comparison, right) ? 1 : 0;
		}
	});
}

int bridge_string_compare_wide(const bridge_string* string, int32_t comparison, const wchar_t* text)
{
	return Guarded(0, [&] { return ComparedWithText(Of(string), comparison, text) ? 1 : 0; });
}

int bridge_string_compare_ascii(const bridge_string* string, int32_t comparison, const char* text)
{
	return Guarded(0, [&] { return ComparedWithText(Of(string), comparison, text) ? 1 : 0; });
}

void bridge_string_append(bridge_string* string, const bridge_string* other)
{
	Guarded([&] { Of(string) += Of(other); });
}

void bridge_string_append_wide(bridge_string* string, const wchar_t* text)
{
	Guarded([&] { Of(string) += text; });
}

void bridge_string_append_ascii(bridge_string* string, const char* text)
{
	Guarded([&] { Of(string) += text; });
}

void bridge_string_append_wchar(bridge_string* string, wchar_t character)
{
	Guarded([&] { Of(string) += character; });
}

void bridge_string_append_char(bridge_string* string, char character)
{
	Guarded([&] { Of(string) += character; });
}

bridge_string* bridge_string_concat(const bridge_string* string, const bridge_string* other)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(Of(string) + Of(other)); });
}

bridge_string* bridge_string_concat_wide(const bridge_string* string, const wchar_t* text)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(Of(string) + text); });
}

bridge_string* bridge_string_concat_ascii(const bridge_string* string, const char* text)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(Of(string) + text); });
}

bridge_string* bridge_string_concat_wchar(const bridge_string* string, wchar_t character)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(Of(string) + character); });
}

bridge_string* bridge_string_concat_char(const bridge_string* string, char character)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(Of(string) + character); });
}

bridge_string* bridge_string_prepend_wide(const wchar_t* text, const bridge_string* string)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(text + Of(string)); });
}

bridge_string* bridge_string_prepend_wchar(wchar_t character, const bridge_string* string)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(character + Of(string)); });
}

bridge_string* bridge_string_prepend_ascii(const char* text, const bridge_string* string)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(text + Of(string)); });
}

bridge_string* bridge_string_prepend_char(char character, const bridge_string* string)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(character + Of(string)); });
}

wchar_t bridge_string_at(const bridge_string* string, uint32_t index)
{
	return Guarded<wchar_t>(0, [&] { return Of(string)[static_cast<ULONG>(index)]; });
}

uint32_t bridge_string_find(const bridge_string* string, const bridge_string* what, uint32_t start)
{
	return Guarded<uint32_t>(0, [&] { return static_cast<uint32_t>(Of(string).FindString(Of(what), start)); });
}

bridge_string* bridge_string_substring(const bridge_string* string, uint32_t start, uint32_t count)
{
	return Guarded<bridge_string*>(nullptr, [&] { return NewString(Of(string).GetSubString(start, count)); });
}

bridge_string_array* bridge_string_split(const bridge_string* string, const bridge_string* separator)
{
	return Guarded<bridge_string_array*>(
	    nullptr, [&] { return Made<bridge_string_array>(new CStringArray(Of(string).Split(Of(separator)))); });
}

// ---- CStringArray ----

bridge_string_array* bridge_string_array_new(int32_t size)
{
	return Guarded<bridge_string_array*>(nullptr, [&] { return Made<bridge_string_array>(new CStringArray(size)); });
}

bridge_string_array* bridge_string_array_new_copy(const bridge_string_array* from)
{
	return Guarded<bridge_string_array*>(nullptr,
	                                     [&] { return Made<bridge_string_array>(new CStringArray(Of(from))); });
}

void bridge_string_array_delete(bridge_string_array* array)
{
	Guarded([&] { delete &Of(array); });
}

void bridge_string_array_assign(bridge_string_array* array, const bridge_string_array* from)
{
	Guarded([&] { Of(array) = Of(from); });
}

int32_t bridge_string_array_count(const bridge_string_array* array)
{
	return Guarded<int32_t>(0, [&] { return static_cast<int32_t>(Of(array).GetCount()); });
}

int32_t bridge_string_array_add(bridge_string_array* array, const bridge_string* item)
{
	return Guarded(abi_bridge::kFailCode, [&] { return abi_bridge::CodeOf(Of(array).Add(Of(item))); });
}

int32_t bridge_string_array_clear(bridge_string_array* array)
{
	return Guarded(abi_bridge::kFailCode, [&] { return abi_bridge::CodeOf(Of(array).Clear()); });
}

int32_t bridge_string_array_resize(bridge_string_array* array, int32_t size)
{
	return Guarded(abi_bridge::kFailCode, [&] { return abi_bridge::CodeOf(Of(array).Resize(size)); });
}

bridge_string* bridge_string_array_at(bridge_string_array* array, int32_t index, int writable)
{
	return Guarded<bridge_string*>(nullptr, [&] {
		CStringArray& items = Of(array);
		const CString& item = writable ? items[index] : static_cast<const CStringArray&>(items)[index];
		return Made<bridge_string>(const_cast<CString*>(&item));
	});
}

int bridge_string_array_compare(const bridge_string_array* array, int32_t comparison, const bridge_string_array* other)
{
	return Guarded(0, [&] { return abi_bridge::Compared(Of(array), comparison, Of(other)) ? 1 : 0; });
}

} // extern "C"
