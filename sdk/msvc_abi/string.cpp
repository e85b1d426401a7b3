// CString, CStringArray and CStatus in the host's binary interface: each
// member carried to the stand-in's own.
#include "bridge_calls.h"

#include <xsi_status.h>
#include <xsi_string.h>

using namespace msvc_abi;

namespace XSI {

// ---- CStatus: the code is the status; what it means, the stand-in says ----

CStatus::CStatus(Code in_code) : m_code(in_code) {}
CStatus::CStatus(LONG in_code) : m_code(static_cast<Code>(in_code)) {}

CStatus::Code CStatus::GetCode() const
{
	return m_code;
}

bool CStatus::Succeeded() const
{
	return Checked(bridge_status_succeeded(CodeOf(*this))) != 0;
}

void CStatus::PutCode(Code in_code)
{
	m_code = in_code;
}

CString CStatus::GetDescription() const
{
	return Taken(bridge_status_description(CodeOf(*this)));
}

CStatus& CStatus::operator=(Code in_code)
{
	m_code = in_code;
	return *this;
}

bool CStatus::operator==(const CStatus& in_status) const
{
	return Checked(bridge_status_compare(CodeOf(*this), BRIDGE_EQ, CodeOf(in_status))) != 0;
}

bool CStatus::operator!=(const CStatus& in_status) const
{
	return Checked(bridge_status_compare(CodeOf(*this), BRIDGE_NE, CodeOf(in_status))) != 0;
}

bool CStatus::operator==(Code in_code) const
{
	return Checked(bridge_status_compare(CodeOf(*this), BRIDGE_EQ, static_cast<int32_t>(in_code))) != 0;
}

bool CStatus::operator!=(Code in_code) const
{
	return Checked(bridge_status_compare(CodeOf(*this), BRIDGE_NE, static_cast<int32_t>(in_code))) != 0;
}

void CStatus::AssertSucceeded(const CString& in_message) const
{
	bridge_status_assert_succeeded(CodeOf(*this), Box(in_message));
	Check();
}

bool operator==(CStatus::Code in_code, const CStatus& in_status)
{
	return Checked(bridge_status_compare(static_cast<int32_t>(in_code), BRIDGE_EQ, CodeOf(in_status))) != 0;
}

bool operator!=(CStatus::Code in_code, const CStatus& in_status)
{
	return Checked(bridge_status_compare(static_cast<int32_t>(in_code), BRIDGE_NE, CodeOf(in_status))) != 0;
}

// ---- CString ----

CString::CString() : m_text(Checked(bridge_string_new())) {}

CString::CString(const CString& in_str) : m_text(Checked(bridge_string_new_copy(Box(in_str)))) {}

CString::CString(const wchar_t* in_str) : m_text(Checked(bridge_string_new_wide(in_str))) {}

CString::CString(const wchar_t* in_str, ULONG in_count)
    : m_text(Checked(bridge_string_new_wide_count(in_str, static_cast<uint32_t>(in_count))))
{
}

CString::CString(const char* in_str) : m_text(Checked(bridge_string_new_ascii(in_str))) {}

CString::CString(const char* in_str, ULONG in_count)
    : m_text(Checked(bridge_string_new_ascii_count(in_str, static_cast<uint32_t>(in_count))))
{
}

CString::CString(const CValue& in_val) : m_text(Checked(bridge_string_new_from_value(Box(in_val)))) {}

CString::~CString()
{
	if (!IsBorrowed(m_text)) {
		bridge_string_delete(Box(*this));
	}
}

const wchar_t* CString::GetWideString() const
{
	return Checked(bridge_string_wide(Box(*this)));
}

const char* CString::GetAsciiString() const
{
	return Checked(bridge_string_ascii(Box(*this)));
}

CStatus CString::PutAsciiString(const char* in_str)
{
	return Status(bridge_string_put_ascii(Box(*this), in_str));
}

ULONG CString::Length() const
{
	return Checked(bridge_string_length(Box(*this)));
}

bool CString::IsEmpty() const
{
	return Checked(bridge_string_is_empty(Box(*this))) != 0;
}

void CString::Clear()
{
	bridge_string_clear(Box(*this));
	Check();
}

CString& CString::operator=(const CString& in_str)
{
	bridge_string_assign(Box(*this), Box(in_str));
	Check();
	return *this;
}

CString& CString::operator=(const wchar_t* in_str)
{
	bridge_string_assign_wide(Box(*this), in_str);
	Check();
	return *this;
}

CString& CString::operator=(const char* in_str)
{
	bridge_string_assign_ascii(Box(*this), in_str);
	Check();
	return *this;
}

bool CString::operator==(const CString& in_str) const
{
	return Checked(bridge_string_compare(Box(*this), BRIDGE_EQ, Box(in_str))) != 0;
}

bool CString::operator==(const wchar_t* in_str) const
{
	return Checked(bridge_string_compare_wide(Box(*this), BRIDGE_EQ, in_str)) != 0;
}

bool CString::operator==(const char* in_str) const
{
	return Checked(bridge_string_compare_ascii(Box(*this), BRIDGE_EQ, in_str)) != 0;
}

bool CString::operator!=(const CString& in_str) const
{
	return Checked(bridge_string_compare(Box(*this), BRIDGE_NE, Box(in_str))) != 0;
}

bool CString::operator!=(const wchar_t* in_str) const
{
	return Checked(bridge_string_compare_wide(Box(*this), BRIDGE_NE, in_str)) != 0;
}

bool CString::operator!=(const char* in_str) const
{
	return Checked(bridge_string_compare_ascii(Box(*this), BRIDGE_NE, in_str)) != 0;
}

bool CString::IsEqualNoCase(const CString& in_str) const
{
	return Checked(bridge_string_compare(Box(*this), BRIDGE_EQ_NO_CASE, Box(in_str))) != 0;
}

bool CString::IsEqualNoCase(const wchar_t* in_str) const
{
	return Checked(bridge_string_compare_wide(Box(*this), BRIDGE_EQ_NO_CASE, in_str)) != 0;
}

bool CString::IsEqualNoCase(const char* in_str) const
{
	return Checked(bridge_string_compare_ascii(Box(*this), BRIDGE_EQ_NO_CASE, in_str)) != 0;
}

CString& CString::operator+=(const CString& in_str)
{
	bridge_string_append(Box(*this), Box(in_str));
	Check();
	return *this;
}

CString& CString::operator+=(const wchar_t* in_str)
{
	bridge_string_append_wide(Box(*this), in_str);
	Check();
	return *this;
}

CString& CString::operator+=(const char* in_str)
{
	bridge_string_append_ascii(Box(*this), in_str);
	Check();
	return *this;
}

CString& CString::operator+=(const wchar_t in_char)
{
	bridge_string_append_wchar(Box(*this), in_char);
	Check();
	return *this;
}

CString& CString::operator+=(const char in_char)
{
	bridge_string_append_char(Box(*this), in_char);
	Check();
	return *this;
}

CString CString::operator+(const CString& in_str) const
{
	return Taken(bridge_string_concat(Box(*this), Box(in_str)));
}

CString CString::operator+(const wchar_t* in_str) const
{
	return Taken(bridge_string_concat_wide(Box(*this), in_str));
}

CString CString::operator+(const char* in_str) const
{
	return Taken(bridge_string_concat_ascii(Box(*this), in_str));
}

CString CString::operator+(const wchar_t in_char) const
{
	return Taken(bridge_string_concat_wchar(Box(*this), in_char));
}

CString CString::operator+(const char in_char) const
{
	return Taken(bridge_string_concat_char(Box(*this), in_char));
}

wchar_t CString::operator[](ULONG in_index) const
{
	return Checked(bridge_string_at(Box(*this), static_cast<uint32_t>(in_index)));
}

bool CString::operator<(const CString& in_str) const
{
	return Checked(bridge_string_compare(Box(*this), BRIDGE_LT, Box(in_str))) != 0;
}

bool CString::operator>(const CString& in_str) const
{
	return Checked(bridge_string_compare(Box(*this), BRIDGE_GT, Box(in_str))) != 0;
}

ULONG CString::FindString(const CString& in_str, ULONG in_start) const
{
	return Checked(bridge_string_find(Box(*this), Box(in_str), static_cast<uint32_t>(in_start)));
}

CString CString::GetSubString(ULONG in_start, ULONG in_count) const
{
	return Taken(bridge_string_substring(Box(*this), static_cast<uint32_t>(in_start), static_cast<uint32_t>(in_count)));
}

CStringArray CString::Split(const CString& in_separator) const
{
	return TakenTexts(bridge_string_split(Box(*this), Box(in_separator)));
}

CString operator+(const wchar_t* in_left, const CString& in_right)
{
	return Taken(bridge_string_prepend_wide(in_left, Box(in_right)));
}

CString operator+(const wchar_t in_left, const CString& in_right)
{
	return Taken(bridge_string_prepend_wchar(in_left, Box(in_right)));
}

CString operator+(const char* in_left, const CString& in_right)
{
	return Taken(bridge_string_prepend_ascii(in_left, Box(in_right)));
}

CString operator+(const char in_left, const CString& in_right)
{
	return Taken(bridge_string_prepend_char(in_left, Box(in_right)));
}

} // namespace XSI

namespace msvc_abi {

void Replace(XSI::CString& text, bridge_string* box)
{
	void*& stored = XSI::StandinAccess::Text(text);
	if (!IsBorrowed(stored)) {
		bridge_string_delete(Unmarked<bridge_string>(stored));
	}
	stored = box;
}

} // namespace msvc_abi
