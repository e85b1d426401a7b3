// CValue in the host's binary interface: its union holds the stand-in's value,
// its public type tag is read back after every change.
#include "bridge_calls.h"

#include <xsi_value.h>

using namespace msvc_abi;

namespace msvc_abi {

void Replace(XSI::CValue& value, bridge_value* box)
{
	if (!IsBorrowed(value.m_u.pval)) {
		bridge_value_delete(Box(value));
	}
	value.m_u.pval = box;
	MirrorType(value);
}

} // namespace msvc_abi

namespace XSI {

namespace {

// `value` made to hold `box`, a value of its own.
void Hold(CValue& value, bridge_value* box)
{
	value.m_u.ullval = 0;
	value.m_u.pval = Checked(box);
	MirrorType(value);
}

// After a call that changed `value`.
CValue& Changed(CValue& value)
{
	Check();
	MirrorType(value);
	return value;
}

template <typename T> CValue& AssignNumber(CValue& value, T number)
{
	bridge_number n = Number(number);
	bridge_value_assign_number(Box(value), &n);
	return Changed(value);
}

template <typename T> void MakeNumber(CValue& value, T number)
{
	bridge_number n = Number(number);
	Hold(value, bridge_value_new_number(&n));
}

} // namespace

CValue::CValue()
{
	Hold(*this, bridge_value_new());
}

CValue::CValue(const CValue& in_val)
{
	Hold(*this, bridge_value_new_copy(Box(in_val)));
}

CValue::CValue(short in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(unsigned short in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(LONG in_val)
{
	MakeNumber(*this, in_val);
}

#ifndef XSI_STANDIN_LONG_IS_INT
CValue::CValue(int in_val)
{
	MakeNumber(*this, in_val);
}
#endif

CValue::CValue(ULONG in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(LLONG in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(ULLONG in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(float in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(double in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(bool in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(const CString& in_val)
{
	Hold(*this, bridge_value_new_string(Box(in_val)));
}

CValue::CValue(const CRef& in_val)
{
	Hold(*this, bridge_value_new_ref(Word(in_val)));
}

CValue::CValue(const CRefArray& in_val)
{
	Hold(*this, bridge_value_new_ref_array(Box(in_val)));
}

CValue::CValue(unsigned char in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(signed char in_val)
{
	MakeNumber(*this, in_val);
}

CValue::CValue(const CValueArray& in_val)
{
	Hold(*this, bridge_value_new_value_array(Box(in_val)));
}

CValue::CValue(const wchar_t* in_val)
{
	Hold(*this, bridge_value_new_wide(in_val));
}

CValue::CValue(const char* in_val)
{
	Hold(*this, bridge_value_new_ascii(in_val));
}

CValue::CValue(const CStringArray& in_val)
{
	Hold(*this, bridge_value_new_string_array(Box(in_val)));
}

CValue::~CValue()
{
	if (!IsBorrowed(m_u.pval)) {
		bridge_value_delete(Box(*this));
	}
}

CValue& CValue::operator=(const CValue& in_val)
{
	bridge_value_assign(Box(*this), Box(in_val));
	return Changed(*this);
}

CValue& CValue::operator=(short in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(unsigned short in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(LONG in_val)
{
	return AssignNumber(*this, in_val);
}

#ifndef XSI_STANDIN_LONG_IS_INT
CValue& CValue::operator=(int in_val)
{
	return AssignNumber(*this, in_val);
}
#endif

CValue& CValue::operator=(ULONG in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(LLONG in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(ULLONG in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(float in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(double in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(bool in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(const CString& in_val)
{
	bridge_value_assign_string(Box(*this), Box(in_val));
	return Changed(*this);
}

CValue& CValue::operator=(const CRef& in_val)
{
	bridge_value_assign_ref(Box(*this), Word(in_val));
	return Changed(*this);
}

CValue& CValue::operator=(const CRefArray& in_val)
{
	bridge_value_assign_ref_array(Box(*this), Box(in_val));
	return Changed(*this);
}

CValue& CValue::operator=(unsigned char in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(signed char in_val)
{
	return AssignNumber(*this, in_val);
}

CValue& CValue::operator=(const CValueArray& in_val)
{
	bridge_value_assign_value_array(Box(*this), Box(in_val));
	return Changed(*this);
}

CValue& CValue::operator=(const wchar_t* in_val)
{
	bridge_value_assign_wide(Box(*this), in_val);
	return Changed(*this);
}

CValue& CValue::operator=(const char* in_val)
{
	bridge_value_assign_ascii(Box(*this), in_val);
	return Changed(*this);
}

CValue& CValue::operator=(const CStringArray& in_val)
{
	bridge_value_assign_string_array(Box(*this), Box(in_val));
	return Changed(*this);
}

CValue::operator short() const
{
	return ReadAs<short>(*this).u.s;
}

CValue::operator unsigned short() const
{
	return ReadAs<unsigned short>(*this).u.us;
}

CValue::operator LONG() const
{
	return static_cast<LONG>(ReadAs<LONG>(*this).u.l);
}

#ifndef XSI_STANDIN_LONG_IS_INT
CValue::operator int() const
{
	return static_cast<int>(ReadAs<int>(*this).u.l);
}
#endif

CValue::operator ULONG() const
{
	return static_cast<ULONG>(ReadAs<ULONG>(*this).u.ul);
}

CValue::operator LLONG() const
{
	return ReadAs<LLONG>(*this).u.ll;
}

CValue::operator ULLONG() const
{
	return ReadAs<ULLONG>(*this).u.ull;
}

CValue::operator float() const
{
	return ReadAs<float>(*this).u.f;
}

CValue::operator double() const
{
	return ReadAs<double>(*this).u.d;
}

CValue::operator bool() const
{
	return ReadAs<bool>(*this).u.b != 0;
}

CValue::operator CString() const
{
	return Taken(bridge_value_to_string(Box(*this)));
}

CValue::operator CRef() const
{
	return RefOfWord(bridge_value_to_ref(Box(*this)));
}

CValue::operator CRefArray() const
{
	return TakenRefs(bridge_value_to_ref_array(Box(*this)));
}

CValue::operator unsigned char() const
{
	return ReadAs<unsigned char>(*this).u.uc;
}

CValue::operator signed char() const
{
	return ReadAs<signed char>(*this).u.sc;
}

// operator CValueArray&() is left out: the reference it answers would have to
// be an array of this side living inside the stand-in's value. No plug-in
// of ours asks for it. Windows would refuse to load a module that does;
// Wine loads it with a stub in its place, which ends the process if called.

bool CValue::operator==(const CValue& in_val) const
{
	return Checked(bridge_value_compare(Box(*this), BRIDGE_EQ, Box(in_val))) != 0;
}

bool CValue::operator==(const CString& in_val) const
{
	return Checked(bridge_value_equals_string(Box(*this), Box(in_val))) != 0;
}

bool CValue::operator==(const CRef& in_val) const
{
	return Checked(bridge_value_equals_ref(Box(*this), Word(in_val))) != 0;
}

bool CValue::operator==(const CRefArray& in_val) const
{
	return Checked(bridge_value_equals_ref_array(Box(*this), Box(in_val))) != 0;
}

bool CValue::operator==(const CValueArray& in_val) const
{
	return Checked(bridge_value_equals_value_array(Box(*this), Box(in_val))) != 0;
}

bool CValue::operator==(const wchar_t* in_val) const
{
	return Checked(bridge_value_equals_wide(Box(*this), in_val)) != 0;
}

bool CValue::operator==(const char* in_val) const
{
	return Checked(bridge_value_equals_ascii(Box(*this), in_val)) != 0;
}

bool CValue::operator==(const CStringArray& in_val) const
{
	return Checked(bridge_value_equals_string_array(Box(*this), Box(in_val))) != 0;
}

bool CValue::operator!=(const CValue& in_val) const
{
	return Checked(bridge_value_compare(Box(*this), BRIDGE_NE, Box(in_val))) != 0;
}

bool CValue::operator<(const CValue& in_val) const
{
	return Checked(bridge_value_compare(Box(*this), BRIDGE_LT, Box(in_val))) != 0;
}

bool CValue::operator>(const CValue& in_val) const
{
	return Checked(bridge_value_compare(Box(*this), BRIDGE_GT, Box(in_val))) != 0;
}

bool CValue::operator<=(const CValue& in_val) const
{
	return Checked(bridge_value_compare(Box(*this), BRIDGE_LE, Box(in_val))) != 0;
}

bool CValue::operator>=(const CValue& in_val) const
{
	return Checked(bridge_value_compare(Box(*this), BRIDGE_GE, Box(in_val))) != 0;
}

CString CValue::GetAsText() const
{
	return Taken(bridge_value_as_text(Box(*this)));
}

bool CValue::IsEmpty() const
{
	return Checked(bridge_value_is_empty(Box(*this))) != 0;
}

void CValue::ChangeType(CValue::DataType in_type, const CValue* in_pSrc)
{
	bridge_value_change_type(Box(*this), static_cast<int32_t>(in_type), in_pSrc ? Box(*in_pSrc) : nullptr);
	Changed(*this);
}

void CValue::Clear()
{
	bridge_value_clear(Box(*this));
	Changed(*this);
}

} // namespace XSI
