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

CString::CString() : m_text(m_inline), m_length(0), m_capacity(kInlineCapacity), m_ascii(nullptr)
{
	m_inline[0] = L'\0';
}

CString::CString(const CString& in_str) : CString()
{
	Append(in_str.m_text, in_str.m_length);
}

CString::CString(const wchar_t* in_str) : CString()
{
	if (in_str) {
		Assign(in_str, std::char_traits<wchar_t>::length(in_str));
	}
}

CString::CString(const wchar_t* in_str, ULONG in_count) : CString()
{
	if (in_str) {
		Assign(in_str, in_count);
	}
}

CString::CString(const char* in_str) : CString()
{
	std::wstring wide = Widen(in_str);
	Assign(wide.data(), wide.size());
}

CString::CString(const char* in_str, ULONG in_count) : CString()
{
	if (in_str) {
		std::wstring wide = Widen(in_str, in_count);
		Assign(wide.data(), wide.size());
	}
}

CString::CString(const CValue& in_val) : CString()
{
	*this = in_val.GetAsText();
}

CString::~CString()
{
	delete[] m_ascii;
	if (m_text != m_inline) {
		delete[] m_text;
	}
}

void CString::Assign(const wchar_t* in_text, size_t in_count)
{
	if (in_count <= kInlineCapacity && m_text == m_inline && (in_text < m_inline || in_text > m_inline + m_length)) {
		// The common case, a short name into a short string: one copy.
		std::copy(in_text, in_text + in_count, m_inline);
		m_inline[in_count] = L'\0';
		m_length = static_cast<ULONG>(in_count);
		return;
	}
	if (in_text >= m_text && in_text <= m_text + m_length) {
		// Assigning part of itself: go through a copy.
		std::wstring copy(in_text, in_count);
		m_length = 0;
		Append(copy.data(), copy.size());
		return;
	}
	m_length = 0;
	Append(in_text, in_count);
}

void CString::Append(const wchar_t* in_text, size_t in_count)
{
	size_t needed = static_cast<size_t>(m_length) + in_count;
	if (needed > m_capacity) {
		size_t capacity = std::max(needed, static_cast<size_t>(m_capacity) * 2);
		wchar_t* grown = new wchar_t[capacity + 1];
		std::copy(m_text, m_text + m_length, grown);
		std::copy(in_text, in_text + in_count, grown + m_length);
		if (m_text != m_inline) {
			delete[] m_text;
		}
		m_text = grown;
		m_capacity = static_cast<ULONG>(capacity);
	} else {
		std::copy(in_text, in_text + in_count, m_text + m_length);
	}
	m_length = static_cast<ULONG>(needed);
	m_text[m_length] = L'\0';
}

const char* CString::GetAsciiString() const
{
	delete[] m_ascii;
	m_ascii = new char[m_length + 1];
	for (ULONG i = 0; i < m_length; ++i) {
		wchar_t c = m_text[i];
		m_ascii[i] = static_cast<unsigned long>(c) < 128 ? static_cast<char>(c) : '?';
	}
	m_ascii[m_length] = '\0';
	return m_ascii;
}

CStatus CString::PutAsciiString(const char* in_str)
{
	*this = in_str;
	return CStatus::OK;
}

void CString::Clear()
{
	m_length = 0;
	m_text[0] = L'\0';
}

CString& CString::operator=(const CString& in_str)
{
	if (this != &in_str) {
		Assign(in_str.m_text, in_str.m_length);
	}
	return *this;
}

CString& CString::operator=(const wchar_t* in_str)
{
	Assign(in_str ? in_str : L"", in_str ? std::char_traits<wchar_t>::length(in_str) : 0);
	return *this;
}

CString& CString::operator=(const char* in_str)
{
	std::wstring wide = Widen(in_str);
	Assign(wide.data(), wide.size());
	return *this;
}

bool CString::operator==(const CString& in_str) const
{
	return m_length == in_str.m_length && std::equal(m_text, m_text + m_length, in_str.m_text);
}

bool CString::operator==(const char* in_str) const
{
	return *this == CString(in_str);
}

bool CString::operator!=(const CString& in_str) const
{
	return !(*this == in_str);
}

bool CString::operator!=(const char* in_str) const
{
	return !(*this == in_str);
}

bool CString::IsEqualNoCase(const CString& in_str) const
{
	return EqualNoCase(std::wstring(m_text, m_length), std::wstring(in_str.m_text, in_str.m_length));
}

bool CString::IsEqualNoCase(const wchar_t* in_str) const
{
	return EqualNoCase(std::wstring(m_text, m_length), in_str ? in_str : L"");
}

bool CString::IsEqualNoCase(const char* in_str) const
{
	return EqualNoCase(std::wstring(m_text, m_length), Widen(in_str));
}

CString& CString::operator+=(const CString& in_str)
{
	if (&in_str == this) {
		CString copy(in_str);
		Append(copy.m_text, copy.m_length);
	} else {
		Append(in_str.m_text, in_str.m_length);
	}
	return *this;
}

CString& CString::operator+=(const wchar_t* in_str)
{
	return *this += CString(in_str);
}

CString& CString::operator+=(const char* in_str)
{
	return *this += CString(in_str);
}

CString& CString::operator+=(const wchar_t in_char)
{
	Append(&in_char, 1);
	return *this;
}

CString& CString::operator+=(const char in_char)
{
	wchar_t wide = static_cast<wchar_t>(static_cast<unsigned char>(in_char));
	Append(&wide, 1);
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
	return in_index < m_length ? m_text[in_index] : L'\0';
}

bool CString::operator<(const CString& in_str) const
{
	return std::lexicographical_compare(m_text, m_text + m_length, in_str.m_text, in_str.m_text + in_str.m_length);
}

bool CString::operator>(const CString& in_str) const
{
	return in_str < *this;
}

ULONG CString::FindString(const CString& in_str, ULONG in_start) const
{
	std::wstring text(m_text, m_length);
	size_t found = text.find(std::wstring(in_str.m_text, in_str.m_length), in_start);
	return found == std::wstring::npos ? static_cast<ULONG>(UINT_MAX) : static_cast<ULONG>(found);
}

CString CString::GetSubString(ULONG in_start, ULONG in_count) const
{
	if (in_start >= m_length) {
		return CString();
	}
	ULONG count = std::min(in_count, m_length - in_start);
	return CString(m_text + in_start, count);
}

CStringArray CString::Split(const CString& in_separator) const
{
	CStringArray parts;
	std::wstring text(m_text, m_length);
	std::wstring separator(in_separator.m_text, in_separator.m_length);
	if (separator.empty()) {
		parts.Add(*this);
		return parts;
	}
	size_t start = 0;
	for (;;) {
		size_t found = text.find(separator, start);
		std::wstring part = text.substr(start, found == std::wstring::npos ? std::wstring::npos : found - start);
		if (!part.empty()) {
			parts.Add(CString(part.c_str(), static_cast<ULONG>(part.size())));
		}
		if (found == std::wstring::npos) {
			break;
		}
		start = found + separator.size();
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
	return m_items.size() == in_array.m_items.size() &&
	       std::equal(m_items.begin(), m_items.end(), in_array.m_items.begin());
}

bool CStringArray::operator!=(const CStringArray& in_array) const
{
	return !(*this == in_array);
}

} // namespace XSI
