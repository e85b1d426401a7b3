// CValue and CValueArray. A value keeps numbers and references in its union;
// texts and arrays live on the heap, owned by the value.
#include "counted_items.h"
#include "engine/plugin_fault.h"
#include "engine/ref_handles.h"

#include <xsi_status.h>
#include <xsi_value.h>

#include <cmath>
#include <cstdlib>
#include <cwchar>
#include <string>

namespace XSI {

namespace {

bool IsIntegral(CValue::DataType type)
{
	switch (type) {
	case CValue::siInt1:
	case CValue::siInt2:
	case CValue::siInt4:
	case CValue::siInt8:
	case CValue::siUInt1:
	case CValue::siUInt2:
	case CValue::siUInt4:
	case CValue::siUInt8:
	case CValue::siBool: return true;
	default: return false;
	}
}

bool IsNumeric(CValue::DataType type)
{
	return IsIntegral(type) || type == CValue::siFloat || type == CValue::siDouble;
}

CRef RefIn(const CValue& value)
{
	CRef ref;
	host_engine::SetHandle(ref, host_engine::HandleInValue(value));
	return ref;
}

} // namespace

// Payload management: heap payloads are owned by the value and copied deeply.
static void DestroyPayload(CValue& value)
{
	switch (value.m_t) {
	case CValue::siString: delete static_cast<CString*>(value.m_u.pval); break;
	case CValue::siRefArray: delete static_cast<CRefArray*>(value.m_u.pval); break;
	case CValue::siArray: delete static_cast<CValueArray*>(value.m_u.pval); break;
	case CValue::siStringArray: delete static_cast<CStringArray*>(value.m_u.pval); break;
	default: break;
	}
	value.m_t = CValue::siEmpty;
	value.m_u.ullval = 0;
}

static void CopyPayload(CValue& to, const CValue& from)
{
	to.m_t = from.m_t;
	switch (from.m_t) {
	case CValue::siString: to.m_u.pval = new CString(*static_cast<const CString*>(from.m_u.pval)); break;
	case CValue::siRefArray: to.m_u.pval = new CRefArray(*static_cast<const CRefArray*>(from.m_u.pval)); break;
	case CValue::siArray: to.m_u.pval = new CValueArray(*static_cast<const CValueArray*>(from.m_u.pval)); break;
	case CValue::siStringArray: to.m_u.pval = new CStringArray(*static_cast<const CStringArray*>(from.m_u.pval)); break;
	default: to.m_u = from.m_u; break;
	}
}

// A floating-point number no LLONG holds (not a number, infinite, too
// large) reads as 0: converting it would be undefined.
static LLONG Truncated(double number)
{
	return (std::isfinite(number) && std::fabs(number) < 9.2e18) ? static_cast<LLONG>(number) : 0;
}

static LLONG AsInteger(const CValue& value)
{
	switch (value.m_t) {
	case CValue::siInt1: return value.m_u.scval;
	case CValue::siUInt1: return value.m_u.ucval;
	case CValue::siInt2: return value.m_u.sval;
	case CValue::siUInt2: return value.m_u.usval;
	case CValue::siInt4: return value.m_u.lval;
	case CValue::siUInt4: return value.m_u.ulval;
	case CValue::siInt8: return value.m_u.llval;
	case CValue::siUInt8: return static_cast<LLONG>(value.m_u.ullval);
	case CValue::siBool: return value.m_u.bval ? 1 : 0;
	case CValue::siFloat: return Truncated(value.m_u.fval);
	case CValue::siDouble: return Truncated(value.m_u.dval);
	case CValue::siString: {
		const wchar_t* text = static_cast<const CString*>(value.m_u.pval)->GetWideString();
		if (std::wcscmp(text, L"true") == 0 || std::wcscmp(text, L"True") == 0) {
			return 1;
		}
		return std::wcstoll(text, nullptr, 10);
	}
	default: return 0;
	}
}

static double AsDouble(const CValue& value)
{
	switch (value.m_t) {
	case CValue::siFloat: return value.m_u.fval;
	case CValue::siDouble: return value.m_u.dval;
	case CValue::siUInt8: return static_cast<double>(value.m_u.ullval);
	case CValue::siString: {
		const wchar_t* text = static_cast<const CString*>(value.m_u.pval)->GetWideString();
		return std::wcstod(text, nullptr);
	}
	default: return static_cast<double>(AsInteger(value));
	}
}

static bool AsBool(const CValue& value)
{
	if (value.m_t == CValue::siFloat || value.m_t == CValue::siDouble) {
		return AsDouble(value) != 0.0;
	}
	if (value.m_t == CValue::siRef) {
		return RefIn(value).IsValid();
	}
	return AsInteger(value) != 0;
}

CValue::CValue() : m_t(siEmpty)
{
	m_u.ullval = 0;
}
CValue::CValue(const CValue& in_val) : m_t(siEmpty)
{
	CopyPayload(*this, in_val);
}
CValue::CValue(short in_val) : m_t(siInt2)
{
	m_u.ullval = 0;
	m_u.sval = in_val;
}
CValue::CValue(unsigned short in_val) : m_t(siUInt2)
{
	m_u.ullval = 0;
	m_u.usval = in_val;
}
CValue::CValue(LONG in_val) : m_t(siInt4)
{
	m_u.ullval = 0;
	m_u.lval = in_val;
}
#ifndef XSI_STANDIN_LONG_IS_INT
CValue::CValue(int in_val) : m_t(siInt4)
{
	m_u.ullval = 0;
	m_u.lval = in_val;
}
#endif
CValue::CValue(ULONG in_val) : m_t(siUInt4)
{
	m_u.ullval = 0;
	m_u.ulval = in_val;
}
CValue::CValue(LLONG in_val) : m_t(siInt8)
{
	m_u.llval = in_val;
}
CValue::CValue(ULLONG in_val) : m_t(siUInt8)
{
	m_u.ullval = in_val;
}
CValue::CValue(float in_val) : m_t(siFloat)
{
	m_u.ullval = 0;
	m_u.fval = in_val;
}
CValue::CValue(double in_val) : m_t(siDouble)
{
	m_u.dval = in_val;
}
CValue::CValue(bool in_val) : m_t(siBool)
{
	m_u.ullval = 0;
	m_u.bval = in_val;
}
CValue::CValue(const CString& in_val) : m_t(siString)
{
	m_u.pval = new CString(in_val);
}
CValue::CValue(const CRef& in_val) : m_t(siRef)
{
	host_engine::PutRefInValue(*this, in_val);
}
CValue::CValue(const CRefArray& in_val) : m_t(siRefArray)
{
	m_u.pval = new CRefArray(in_val);
}
CValue::CValue(unsigned char in_val) : m_t(siUInt1)
{
	m_u.ullval = 0;
	m_u.ucval = in_val;
}
CValue::CValue(signed char in_val) : m_t(siInt1)
{
	m_u.ullval = 0;
	m_u.scval = in_val;
}
CValue::CValue(const CValueArray& in_val) : m_t(siArray)
{
	m_u.pval = new CValueArray(in_val);
}
CValue::CValue(const wchar_t* in_val) : m_t(siString)
{
	m_u.pval = new CString(in_val);
}
CValue::CValue(const char* in_val) : m_t(siString)
{
	m_u.pval = new CString(in_val);
}
CValue::CValue(const CStringArray& in_val) : m_t(siStringArray)
{
	m_u.pval = new CStringArray(in_val);
}

static bool OwnsHeapPayload(CValue::DataType type)
{
	return type == CValue::siString || type == CValue::siRefArray || type == CValue::siArray ||
	       type == CValue::siStringArray;
}

// Most values a pass drops hold a number or a reference: nothing to free.
CValue::~CValue()
{
	if (OwnsHeapPayload(m_t)) {
		DestroyPayload(*this);
	}
}

CValue& CValue::operator=(const CValue& in_val)
{
	if (!OwnsHeapPayload(m_t) && !OwnsHeapPayload(in_val.m_t)) {
		m_t = in_val.m_t; // scalars and references: a plain copy
		m_u = in_val.m_u;
		return *this;
	}
	if (this != &in_val) {
		CValue copy(in_val); // in_val may live inside this value's own payload
		DestroyPayload(*this);
		m_t = copy.m_t;
		m_u = copy.m_u;
		copy.m_t = siEmpty;
	}
	return *this;
}

#define XSI_STANDIN_ASSIGN(T)                                                                                          \
	CValue& CValue::operator=(T in_val)                                                                                \
	{                                                                                                                  \
		return *this = CValue(in_val);                                                                                 \
	}
XSI_STANDIN_ASSIGN(short)
XSI_STANDIN_ASSIGN(unsigned short)
XSI_STANDIN_ASSIGN(LONG)
#ifndef XSI_STANDIN_LONG_IS_INT
XSI_STANDIN_ASSIGN(int)
#endif
XSI_STANDIN_ASSIGN(ULONG)
XSI_STANDIN_ASSIGN(LLONG)
XSI_STANDIN_ASSIGN(ULLONG)
XSI_STANDIN_ASSIGN(float)
XSI_STANDIN_ASSIGN(double)
XSI_STANDIN_ASSIGN(bool)
XSI_STANDIN_ASSIGN(const CString&)
XSI_STANDIN_ASSIGN(const CRef&)
XSI_STANDIN_ASSIGN(const CRefArray&)
XSI_STANDIN_ASSIGN(unsigned char)
XSI_STANDIN_ASSIGN(signed char)
XSI_STANDIN_ASSIGN(const CValueArray&)
XSI_STANDIN_ASSIGN(const wchar_t*)
XSI_STANDIN_ASSIGN(const char*)
XSI_STANDIN_ASSIGN(const CStringArray&)
#undef XSI_STANDIN_ASSIGN

CValue::operator short() const
{
	return static_cast<short>(AsInteger(*this));
}
CValue::operator unsigned short() const
{
	return static_cast<unsigned short>(AsInteger(*this));
}
CValue::operator LONG() const
{
	return static_cast<LONG>(AsInteger(*this));
}
#ifndef XSI_STANDIN_LONG_IS_INT
CValue::operator int() const
{
	return static_cast<int>(AsInteger(*this));
}
#endif
CValue::operator ULONG() const
{
	return static_cast<ULONG>(AsInteger(*this));
}
CValue::operator LLONG() const
{
	return AsInteger(*this);
}
CValue::operator ULLONG() const
{
	return m_t == siUInt8 ? m_u.ullval : static_cast<ULLONG>(AsInteger(*this));
}
CValue::operator float() const
{
	return static_cast<float>(AsDouble(*this));
}
CValue::operator double() const
{
	return AsDouble(*this);
}
CValue::operator bool() const
{
	return AsBool(*this);
}
CValue::operator CString() const
{
	return GetAsText();
}
CValue::operator unsigned char() const
{
	return static_cast<unsigned char>(AsInteger(*this));
}
CValue::operator signed char() const
{
	return static_cast<signed char>(AsInteger(*this));
}

CValue::operator CRef() const
{
	return m_t == siRef ? RefIn(*this) : CRef();
}

CValue::operator CRefArray() const
{
	if (m_t == siRefArray) {
		return *static_cast<const CRefArray*>(m_u.pval);
	}
	CRefArray array;
	if (m_t == siRef) {
		array.Add(RefIn(*this));
	}
	return array;
}

CValue::operator CValueArray&() const
{
	if (m_t == siArray) {
		return *static_cast<CValueArray*>(m_u.pval);
	}
	// Not an array: an empty one, emptied again on every call.
	static CValueArray empty;
	empty.Clear();
	return empty;
}

bool CValue::operator==(const CValue& in_val) const
{
	if (IsNumeric(m_t) && IsNumeric(in_val.m_t)) {
		if (IsIntegral(m_t) && IsIntegral(in_val.m_t)) {
			return AsInteger(*this) == AsInteger(in_val);
		}
		return AsDouble(*this) == AsDouble(in_val);
	}
	if (m_t != in_val.m_t) {
		return false;
	}
	switch (m_t) {
	case siEmpty: return true;
	case siString: return *static_cast<const CString*>(m_u.pval) == *static_cast<const CString*>(in_val.m_u.pval);
	case siArray:
		return *static_cast<const CValueArray*>(m_u.pval) == *static_cast<const CValueArray*>(in_val.m_u.pval);
	case siStringArray:
		return *static_cast<const CStringArray*>(m_u.pval) == *static_cast<const CStringArray*>(in_val.m_u.pval);
	case siRefArray: {
		const CRefArray& a = *static_cast<const CRefArray*>(m_u.pval);
		const CRefArray& b = *static_cast<const CRefArray*>(in_val.m_u.pval);
		if (a.GetCount() != b.GetCount()) {
			return false;
		}
		for (LONG i = 0; i < a.GetCount(); ++i) {
			if (a[i] != b[i]) {
				return false;
			}
		}
		return true;
	}
	default: return m_u.ullval == in_val.m_u.ullval;
	}
}

#define XSI_STANDIN_COMPARE(T)                                                                                         \
	bool CValue::operator==(T in_val) const                                                                            \
	{                                                                                                                  \
		return *this == CValue(in_val);                                                                                \
	}
XSI_STANDIN_COMPARE(const CString&)
XSI_STANDIN_COMPARE(const CRef&)
XSI_STANDIN_COMPARE(const CRefArray&)
XSI_STANDIN_COMPARE(const CValueArray&)
XSI_STANDIN_COMPARE(const wchar_t*)
XSI_STANDIN_COMPARE(const char*)
XSI_STANDIN_COMPARE(const CStringArray&)
#undef XSI_STANDIN_COMPARE

bool CValue::operator!=(const CValue& in_val) const
{
	return !(*this == in_val);
}

bool CValue::operator<(const CValue& in_val) const
{
	if (m_t == siString && in_val.m_t == siString) {
		return *static_cast<const CString*>(m_u.pval) < *static_cast<const CString*>(in_val.m_u.pval);
	}
	return AsDouble(*this) < AsDouble(in_val);
}

bool CValue::operator>(const CValue& in_val) const
{
	return in_val < *this;
}

bool CValue::operator<=(const CValue& in_val) const
{
	return !(in_val < *this);
}

bool CValue::operator>=(const CValue& in_val) const
{
	return !(*this < in_val);
}

CString CValue::GetAsText() const
{
	switch (m_t) {
	case siEmpty: return CString();
	case siBool: return CString(m_u.bval ? L"True" : L"False");
	case siString: return *static_cast<const CString*>(m_u.pval);
	case siRef: return RefIn(*this).GetAsText();
	case siFloat:
	case siDouble: {
		std::wstring text = std::to_wstring(AsDouble(*this));
		return CString(text.c_str());
	}
	case siUInt8: return CString(std::to_wstring(m_u.ullval).c_str());
	case siArray:
	case siRefArray:
	case siStringArray: {
		CString text;
		if (m_t == siRefArray) {
			const CRefArray& refs = *static_cast<const CRefArray*>(m_u.pval);
			for (LONG i = 0; i < refs.GetCount(); ++i) {
				text += (i ? L"," : L"") + refs[i].GetAsText();
			}
		} else if (m_t == siStringArray) {
			const CStringArray& texts = *static_cast<const CStringArray*>(m_u.pval);
			for (LONG i = 0; i < texts.GetCount(); ++i) {
				text += (i ? L"," : L"") + texts[i];
			}
		} else {
			const CValueArray& values = *static_cast<const CValueArray*>(m_u.pval);
			for (LONG i = 0; i < values.GetCount(); ++i) {
				text += (i ? L"," : L"") + values[i].GetAsText();
			}
		}
		return text;
	}
	default: return CString(std::to_wstring(AsInteger(*this)).c_str());
	}
}

void CValue::ChangeType(CValue::DataType in_type, const CValue* in_pSrc)
{
	CValue source(in_pSrc ? *in_pSrc : *this);
	CValue result;
	switch (in_type) {
	case siEmpty: break;
	case siBool: result = AsBool(source); break;
	case siInt1: result = static_cast<signed char>(AsInteger(source)); break;
	case siUInt1: result = static_cast<unsigned char>(AsInteger(source)); break;
	case siInt2: result = static_cast<short>(AsInteger(source)); break;
	case siUInt2: result = static_cast<unsigned short>(AsInteger(source)); break;
	case siInt4: result = static_cast<LONG>(AsInteger(source)); break;
	case siUInt4: result = static_cast<ULONG>(AsInteger(source)); break;
	case siInt8: result = AsInteger(source); break;
	case siUInt8: result = static_cast<ULLONG>(AsInteger(source)); break;
	case siFloat: result = static_cast<float>(AsDouble(source)); break;
	case siDouble: result = AsDouble(source); break;
	case siString:
	case siWStr: result = source.GetAsText(); break;
	default: result = source; break; // other kinds are kept as they are
	}
	*this = result;
}

bool CValue::IsEmpty() const
{
	return m_t == siEmpty;
}

void CValue::Clear()
{
	if (OwnsHeapPayload(m_t)) {
		DestroyPayload(*this);
	}
	m_t = siEmpty;
	m_u.ullval = 0;
}

// m_items leads to a block: the count, then the items.
using Items = CountedItems<CValue>;

CValueArray::CValueArray(LONG in_size) : m_items(nullptr)
{
	Resize(in_size);
}

CValueArray::CValueArray(const CValueArray& in_array) : m_items(Items::Copy(in_array.m_items)) {}

CValueArray::~CValueArray()
{
	Items::Release(m_items);
}

CValueArray& CValueArray::operator=(const CValueArray& in_array)
{
	if (this != &in_array) {
		Items::Assign(m_items, in_array.m_items);
	}
	return *this;
}

LONG CValueArray::GetCount() const
{
	return Items::Count(m_items);
}

CStatus CValueArray::Add(const CValue& in_item)
{
	Items::Add(m_items, in_item);
	return CStatus::OK;
}

CStatus CValueArray::Clear()
{
	return Resize(0);
}

CStatus CValueArray::Resize(LONG in_size)
{
	return Items::Resize(m_items, in_size);
}

const CValue& CValueArray::operator[](LONG in_index) const
{
	host_engine::CheckIndex("CValueArray::operator[]", in_index, GetCount(), "items");
	return *Items::At(m_items, in_index);
}

CValue& CValueArray::operator[](LONG in_index)
{
	host_engine::CheckIndex("CValueArray::operator[]", in_index, GetCount(), "items");
	return *Items::At(m_items, in_index);
}

bool CValueArray::operator==(const CValueArray& in_array) const
{
	return Items::Equal(m_items, in_array.m_items);
}

bool CValueArray::operator!=(const CValueArray& in_array) const
{
	return !(*this == in_array);
}

} // namespace XSI
