#include <xsi_status.h>
#include <xsi_string.h>
#include <xsi_value.h>

#include <algorithm>
#include <cwctype>

namespace XSI {

namespace {

std::wstring Widen(const char* text, size_t count)
{
	std::wstring wide;
	wide.reserve(count);
	for (size_t i = 0; i < count; ++i) {
		wide += static_cast<wchar_t>(static_cast<unsigned char>(text[i]));
	}
	return wide;
}

std::wstring Widen(const char* text)
{
	return text ? Widen(text, std::char_traits<char>::length(text)) : std::wstring();
}

bool EqualNoCase(const std::wstring& a, const std::wstring& b)
{
	if (a.size() != b.size()) {
		return false;
	}
	for (size_t i = 0; i < a.size(); ++i) {
		if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) {
			return false;
		}
	}
	return true;
}

} // namespace

CString::CString() {}
CString::CString(const CString& in_str) : m_str(in_str.m_str) {}
CString::CString(const wchar_t* in_str) : m_str(in_str ? in_str : L"") {}
CString::CString(const wchar_t* in_str, ULONG in_count) : m_str(in_str ? std::wstring(in_str, in_count) : L"") {}
CString::CString(const char* in_str) : m_str(Widen(in_str)) {}
CString::CString(const char* in_str, ULONG in_count) : m_str(in_str ? Widen(in_str, in_count) : L"") {}
CString::CString(const CValue& in_val) : m_str(in_val.GetAsText().m_str) {}
CString::~CString() {}

const wchar_t* CString::GetWideString() const
{
	return m_str.c_str();
}

const char* CString::GetAsciiString() const
{
	m_ascii.clear();
	for (wchar_t c : m_str) {
		m_ascii += (c >= 0 && c < 128) ? static_cast<char>(c) : '?';
	}
	return m_ascii.c_str();
}

CStatus CString::PutAsciiString(const char* in_str)
{
	m_str = Widen(in_str);
	return CStatus::OK;
}

ULONG CString::Length() const
{
	return static_cast<ULONG>(m_str.size());
}

bool CString::IsEmpty() const
{
	return m_str.empty();
}

void CString::Clear()
{
	m_str.clear();
}

CString& CString::operator=(const CString& in_str)
{
	m_str = in_str.m_str;
	return *this;
}

CString& CString::operator=(const wchar_t* in_str)
{
	m_str = in_str ? in_str : L"";
	return *this;
}

CString& CString::operator=(const char* in_str)
{
	m_str = Widen(in_str);
	return *this;
}

bool CString::operator==(const CString& in_str) const
{
	return m_str == in_str.m_str;
}

bool CString::operator==(const wchar_t* in_str) const
{
	return m_str == (in_str ? in_str : L"");
}

bool CString::operator==(const char* in_str) const
{
	return m_str == Widen(in_str);
}

bool CString::operator!=(const CString& in_str) const
{
	return !(*this == in_str);
}

bool CString::operator!=(const wchar_t* in_str) const
{
	return !(*this == in_str);
}

bool CString::operator!=(const char* in_str) const
{
	return !(*this == in_str);
}

bool CString::IsEqualNoCase(const CString& in_str) const
{
	return EqualNoCase(m_str, in_str.m_str);
}

bool CString::IsEqualNoCase(const wchar_t* in_str) const
{
	return EqualNoCase(m_str, in_str ? in_str : L"");
}

bool CString::IsEqualNoCase(const char* in_str) const
{
	return EqualNoCase(m_str, Widen(in_str));
}

CString& CString::operator+=(const CString& in_str)
{
	m_str += in_str.m_str;
	return *this;
}

CString& CString::operator+=(const wchar_t* in_str)
{
	m_str += in_str ? in_str : L"";
	return *this;
}

CString& CString::operator+=(const char* in_str)
{
	m_str += Widen(in_str);
	return *this;
}

CString& CString::operator+=(const wchar_t in_char)
{
	m_str += in_char;
	return *this;
}

CString& CString::operator+=(const char in_char)
{
	m_str += static_cast<wchar_t>(static_cast<unsigned char>(in_char));
	return *this;
}

CString CString::operator+(const CString& in_str) const
{
	CString out(*this);
	return out += in_str;
}

CString CString::operator+(const wchar_t* in_str) const
{
	CString out(*this);
	return out += in_str;
}

CString CString::operator+(const char* in_str) const
{
	CString out(*this);
	return out += in_str;
}

CString CString::operator+(const wchar_t in_char) const
{
	CString out(*this);
	return out += in_char;
}

CString CString::operator+(const char in_char) const
{
	CString out(*this);
	return out += in_char;
}

wchar_t CString::operator[](ULONG in_index) const
{
	return in_index < m_str.size() ? m_str[in_index] : L'\0';
}

bool CString::operator<(const CString& in_str) const
{
	return m_str < in_str.m_str;
}

bool CString::operator>(const CString& in_str) const
{
	return m_str > in_str.m_str;
}

ULONG CString::FindString(const CString& in_str, ULONG in_start) const
{
	size_t found = m_str.find(in_str.m_str, in_start);
	return found == std::wstring::npos ? static_cast<ULONG>(UINT_MAX) : static_cast<ULONG>(found);
}

CString CString::GetSubString(ULONG in_start, ULONG in_count) const
{
	CString out;
	if (in_start < m_str.size()) {
		out.m_str = m_str.substr(in_start, in_count);
	}
	return out;
}

CStringArray CString::Split(const CString& in_separator) const
{
	CStringArray parts;
	if (in_separator.m_str.empty()) {
		parts.Add(*this);
		return parts;
	}
	size_t start = 0;
	for (;;) {
		size_t found = m_str.find(in_separator.m_str, start);
		std::wstring part = m_str.substr(start, found == std::wstring::npos ? std::wstring::npos : found - start);
		if (!part.empty()) {
			parts.Add(CString(part.c_str(), static_cast<ULONG>(part.size())));
		}
		if (found == std::wstring::npos) {
			break;
		}
		start = found + in_separator.m_str.size();
	}
	return parts;
}

CString operator+(const wchar_t* in_left, const CString& in_right)
{
	return CString(in_left) + in_right;
}

CString operator+(const wchar_t in_left, const CString& in_right)
{
	return CString(&in_left, 1) + in_right;
}

CString operator+(const char* in_left, const CString& in_right)
{
	return CString(in_left) + in_right;
}

CString operator+(const char in_left, const CString& in_right)
{
	return CString(&in_left, 1) + in_right;
}

CStringArray::CStringArray(LONG in_size) : m_items(in_size > 0 ? static_cast<size_t>(in_size) : 0) {}
CStringArray::CStringArray(const CStringArray& in_array) : m_items(in_array.m_items) {}
CStringArray::~CStringArray() {}

CStringArray& CStringArray::operator=(const CStringArray& in_array)
{
	m_items = in_array.m_items;
	return *this;
}

LONG CStringArray::GetCount() const
{
	return static_cast<LONG>(m_items.size());
}

CStatus CStringArray::Add(const CString& in_item)
{
	m_items.push_back(in_item);
	return CStatus::OK;
}

CStatus CStringArray::Clear()
{
	m_items.clear();
	return CStatus::OK;
}

CStatus CStringArray::Resize(LONG in_size)
{
	if (in_size < 0) {
		return CStatus::InvalidArgument;
	}
	m_items.resize(static_cast<size_t>(in_size));
	return CStatus::OK;
}

const CString& CStringArray::operator[](LONG in_index) const
{
	static const CString empty;
	return (in_index >= 0 && in_index < GetCount()) ? m_items[static_cast<size_t>(in_index)] : empty;
}

CString& CStringArray::operator[](LONG in_index)
{
	// Out of range: a scratch element rather than memory that isn't ours.
	static CString scratch;
	if (in_index >= 0 && in_index < GetCount()) {
		return m_items[static_cast<size_t>(in_index)];
	}
	scratch.Clear();
	return scratch;
}

bool CStringArray::operator==(const CStringArray& in_array) const
{
	return m_items.size() == in_array.m_items.size() && std::equal(m_items.begin(), m_items.end(), in_array.m_items.begin());
}

bool CStringArray::operator!=(const CStringArray& in_array) const
{
	return !(*this == in_array);
}

} // namespace XSI
