// The stand-in's own objects behind the bridge's opaque pointers and words:
// each pointer is the object the bridge made with new, on this side.
#ifndef XSI_STANDIN_BRIDGE_OBJECTS_H
#define XSI_STANDIN_BRIDGE_OBJECTS_H

#include "abi_bridge.h"
#include "engine/ref_handles.h"

#include <xsi_ref.h>
#include <xsi_status.h>
#include <xsi_string.h>
#include <xsi_value.h>

namespace abi_bridge {

template <typename T> struct Kind;
template <> struct Kind<bridge_string> {
	using Type = XSI::CString;
};
template <> struct Kind<bridge_string_array> {
	using Type = XSI::CStringArray;
};
template <> struct Kind<bridge_value> {
	using Type = XSI::CValue;
};
template <> struct Kind<bridge_value_array> {
	using Type = XSI::CValueArray;
};
template <> struct Kind<bridge_ref_array> {
	using Type = XSI::CRefArray;
};

template <typename T> typename Kind<T>::Type& Of(T* object)
{
	return *reinterpret_cast<typename Kind<T>::Type*>(object);
}

template <typename T> const typename Kind<T>::Type& Of(const T* object)
{
	return *reinterpret_cast<const typename Kind<T>::Type*>(object);
}

template <typename T> T* Made(typename Kind<T>::Type* object)
{
	return reinterpret_cast<T*>(object);
}

inline bridge_string* NewString(const XSI::CString& text)
{
	return Made<bridge_string>(new XSI::CString(text));
}

inline bridge_value* NewValue(const XSI::CValue& value)
{
	return Made<bridge_value>(new XSI::CValue(value));
}

inline bridge_ref_array* NewRefArray(const XSI::CRefArray& refs)
{
	return Made<bridge_ref_array>(new XSI::CRefArray(refs));
}

inline XSI::CRef RefOf(bridge_ref word)
{
	XSI::CRef ref;
	host_engine::SetWord(ref, word);
	return ref;
}

inline bridge_ref WordOf(const XSI::CRef& ref)
{
	return host_engine::WordOf(ref);
}

// What a call that faulted answers for a status: the failure its caller will not read.
const int32_t kFailCode = static_cast<int32_t>(XSI::CStatus::Fail);

inline int32_t CodeOf(const XSI::CStatus& status)
{
	return static_cast<int32_t>(status.GetCode());
}

// Whether `left comparison right` holds, by the operator it names.
template <typename L, typename R> bool Compared(const L& left, int32_t comparison, const R& right)
{
	switch (comparison) {
	case BRIDGE_EQ: return left == right;
	case BRIDGE_NE: return left != right;
	default: return false;
	}
}

// A CValue made from the built-in type `number` names, through that type's constructor.
XSI::CValue ValueOfNumber(const bridge_number& number);
// `value` read through the conversion to the built-in type `number->kind` names.
void ReadNumber(const XSI::CValue& value, bridge_number* number);

} // namespace abi_bridge

#endif
