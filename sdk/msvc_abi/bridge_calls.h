// How the MSVC-ABI classes carry a call to the stand-in: the bridge's objects
// kept behind each class, a fault turned into the end of the plug-in's call,
// and the numbers a CValue is made of.
#ifndef XSI_MSVC_ABI_BRIDGE_CALLS_H
#define XSI_MSVC_ABI_BRIDGE_CALLS_H

#include "abi_bridge.h"
#include "standin_access.h"

#include <xsi_base.h>
#include <xsi_ref.h>
#include <xsi_status.h>
#include <xsi_string.h>
#include <xsi_value.h>

#include <stdlib.h>

namespace msvc_abi {

// The exception code that ends a plug-in's call when the stand-in faulted
// under it (customer bit set, "QMF").
const unsigned long kPluginFaultCode = 0xE0514D46ul;
// The same when this side's own memory ran out ("QMM").
const unsigned long kOutOfMemoryCode = 0xE0514D4Dul;

// Ends the plug-in's call: the entry point's caller catches it (entry_points.cpp).
[[noreturn]] void RaisePluginFault();

inline void Check()
{
	if (bridge_fault_pending()) {
		RaisePluginFault();
	}
}

// `result`, once the call that gave it is known not to have faulted.
template <typename T> T Checked(T result)
{
	Check();
	return result;
}

inline XSI::CStatus Status(int32_t code)
{
	Check();
	return XSI::CStatus(static_cast<XSI::CStatus::Code>(code));
}

inline int32_t CodeOf(const XSI::CStatus& status)
{
	return static_cast<int32_t>(status.GetCode());
}

// A borrowed object (an item of an array, which the array frees) is marked
// in the pointer's low bit; the bridge's objects are aligned.
const uintptr_t kBorrowed = 1;

template <typename T> T* Unmarked(void* stored)
{
	return reinterpret_cast<T*>(reinterpret_cast<uintptr_t>(stored) & ~kBorrowed);
}

inline bool IsBorrowed(void* stored)
{
	return (reinterpret_cast<uintptr_t>(stored) & kBorrowed) != 0;
}

inline void* Borrowed(void* object)
{
	return reinterpret_cast<void*>(reinterpret_cast<uintptr_t>(object) | kBorrowed);
}

// ---- CString: its pointer holds the bridge's string ----

inline bridge_string* Box(const XSI::CString& text)
{
	return Unmarked<bridge_string>(XSI::StandinAccess::Text(text));
}

// `text` made to hold `box`, the string it held before freed.
void Replace(XSI::CString& text, bridge_string* box);

// A CString holding `box`, which a call returned.
inline XSI::CString Taken(bridge_string* box)
{
	Check();
	XSI::CString text;
	Replace(text, box);
	return text;
}

// ---- CValue: its union holds the bridge's value, its tag the value's type ----

inline bridge_value* Box(const XSI::CValue& value)
{
	return Unmarked<bridge_value>(value.m_u.pval);
}

// The public type tag, read again after `value` may have changed.
inline void MirrorType(XSI::CValue& value)
{
	value.m_t = static_cast<XSI::CValue::DataType>(bridge_value_type(Box(value)));
}

void Replace(XSI::CValue& value, bridge_value* box);

inline XSI::CValue TakenValue(bridge_value* box)
{
	Check();
	XSI::CValue value;
	Replace(value, box);
	return value;
}

// ---- CRef: its word is the stand-in's word ----

inline bridge_ref Word(const XSI::CRef& ref)
{
	return reinterpret_cast<bridge_ref>(XSI::StandinAccess::Word(ref));
}

inline void SetWord(XSI::CRef& ref, bridge_ref word)
{
	XSI::StandinAccess::Word(ref) = reinterpret_cast<void*>(word);
}

inline XSI::CRef RefOfWord(bridge_ref word)
{
	Check();
	XSI::CRef ref;
	SetWord(ref, word);
	return ref;
}

// ---- Arrays: behind their pointer, the bridge's array and the items handed out ----

bridge_string_array* Box(const XSI::CStringArray& array);
bridge_value_array* Box(const XSI::CValueArray& array);
bridge_ref_array* Box(const XSI::CRefArray& array);
// Writes the references the plug-in wrote through operator[] into the
// stand-in's array, before anything reads it.
void Flush(const XSI::CRefArray& array);
XSI::CRefArray TakenRefs(bridge_ref_array* box);
XSI::CStringArray TakenTexts(bridge_string_array* box);

// ---- Object handles: a class and a word ----

inline bridge_ref Word(const XSI::CBase& handle)
{
	return Word(handle.GetRef());
}

// The class of the handle, as the stand-in is to make it.
inline int32_t ClassOf(const XSI::CBase& handle)
{
	return static_cast<int32_t>(handle.GetClassID());
}

// A handle of class T holding `word` as it is, which a call returned.
template <typename T> T TakenHandle(bridge_ref word)
{
	Check();
	T handle;
	SetWord(XSI::StandinAccess::Ref(handle), word);
	return handle;
}

// ---- Numbers, each the built-in type the plug-in passed ----

// One overload a built-in type: its kind, and the union's member that holds it.
#define MSVC_ABI_NUMBER(TYPE, KIND, MEMBER, AS)                                                                        \
	inline bridge_number Number(TYPE v)                                                                                \
	{                                                                                                                  \
		bridge_number n;                                                                                               \
		n.kind = KIND;                                                                                                 \
		n.u.MEMBER = AS;                                                                                               \
		return n;                                                                                                      \
	}
MSVC_ABI_NUMBER(short, BRIDGE_SHORT, s, v)
MSVC_ABI_NUMBER(unsigned short, BRIDGE_USHORT, us, v)
MSVC_ABI_NUMBER(long, BRIDGE_LONG, l, static_cast<int32_t>(v))
MSVC_ABI_NUMBER(int, BRIDGE_INT, l, v)
MSVC_ABI_NUMBER(unsigned long, BRIDGE_ULONG, ul, static_cast<uint32_t>(v))
MSVC_ABI_NUMBER(long long, BRIDGE_LLONG, ll, v)
MSVC_ABI_NUMBER(unsigned long long, BRIDGE_ULLONG, ull, v)
MSVC_ABI_NUMBER(float, BRIDGE_FLOAT, f, v)
MSVC_ABI_NUMBER(double, BRIDGE_DOUBLE, d, v)
MSVC_ABI_NUMBER(bool, BRIDGE_BOOL, b, v ? 1 : 0)
MSVC_ABI_NUMBER(unsigned char, BRIDGE_UCHAR, uc, v)
MSVC_ABI_NUMBER(signed char, BRIDGE_SCHAR, sc, v)
#undef MSVC_ABI_NUMBER

// `value` read as the built-in type T.
template <typename T> bridge_number ReadAs(const XSI::CValue& value)
{
	bridge_number n = Number(T());
	bridge_value_to_number(Box(value), &n);
	Check();
	return n;
}

// Memory of this side's own, for what it keeps beside the bridge's objects.
void* Allocate(size_t size);

} // namespace msvc_abi

// Constructs an object in memory this side allocated.
struct MsvcAbiInPlace {
};
inline void* operator new(size_t, void* where, MsvcAbiInPlace)
{
	return where;
}
inline void operator delete(void*, void*, MsvcAbiInPlace) {}

#endif
