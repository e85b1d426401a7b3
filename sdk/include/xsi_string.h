// Stand-in for the host's xsi_string.h: wide text and arrays of it.
#ifndef XSI_STRING_H
#define XSI_STRING_H

#include "sicppsdk.h"

#include <string>
#include <vector>

namespace XSI {

class CValue;
class CStatus;
class CStringArray;

class SICPPSDKDECL CString
{
public:
	CString();
	CString(const CString& in_str);
	CString(const wchar_t* in_str);
	CString(const wchar_t* in_str, ULONG in_count);
	CString(const char* in_str);
	CString(const char* in_str, ULONG in_count);
	explicit CString(const CValue& in_val);
	virtual ~CString();

	// Inline, as are the comparisons with a literal below: plug-ins call them
	// for every name they test.
	const wchar_t* GetWideString() const { return m_text; }
	const char* GetAsciiString() const;
	CStatus PutAsciiString(const char* in_str);
	ULONG Length() const { return m_length; }
	bool IsEmpty() const { return m_length == 0; }
	void Clear();

	CString& operator=(const CString& in_str);
	CString& operator=(const wchar_t* in_str);
	CString& operator=(const char* in_str);

	bool operator==(const CString& in_str) const;
	bool operator==(const wchar_t* in_str) const
	{
		// Walks both texts once, without measuring the literal first: most
		// comparisons against a name table fail on the first characters.
		const wchar_t* other = in_str ? in_str : L"";
		for (ULONG i = 0; i < m_length; ++i) {
			// The literal ends at its first NUL, even where this text holds one.
			if (other[i] != m_text[i] || other[i] == L'\0') {
				return false;
			}
		}
		return other[m_length] == L'\0';
	}
	bool operator==(const char* in_str) const;
	bool operator!=(const CString& in_str) const;
	bool operator!=(const wchar_t* in_str) const { return !(*this == in_str); }
	bool operator!=(const char* in_str) const;

	bool IsEqualNoCase(const CString& in_str) const;
	bool IsEqualNoCase(const wchar_t* in_str) const;
	bool IsEqualNoCase(const char* in_str) const;

	CString& operator+=(const CString& in_str);
	CString& operator+=(const wchar_t* in_str);
	CString& operator+=(const char* in_str);
	CString& operator+=(const wchar_t in_char);
	CString& operator+=(const char in_char);

	CString operator+(const CString& in_str) const;
	CString operator+(const wchar_t* in_str) const;
	CString operator+(const char* in_str) const;
	CString operator+(const wchar_t in_char) const;
	CString operator+(const char in_char) const;

	wchar_t operator[](ULONG in_index) const;
	bool operator<(const CString& in_str) const;
	bool operator>(const CString& in_str) const;

	ULONG FindString(const CString& in_str, ULONG in_start = 0) const;
	CString GetSubString(ULONG in_start = 0, ULONG in_count = UINT_MAX) const;
	CStringArray Split(const CString& in_separator) const;

private:
	void Assign(const wchar_t* in_text, size_t in_count);
	void Append(const wchar_t* in_text, size_t in_count);

	// Texts this short, as most object names are, stay inline: no allocation.
	static const ULONG kInlineCapacity = 23;
	wchar_t* m_text;
	ULONG m_length;
	ULONG m_capacity;
	wchar_t m_inline[kInlineCapacity + 1];
	// What GetAsciiString last gave, made on demand.
	mutable char* m_ascii;
};

SICPPSDKDECL CString operator+(const wchar_t* in_left, const CString& in_right);
SICPPSDKDECL CString operator+(const wchar_t in_left, const CString& in_right);
SICPPSDKDECL CString operator+(const char* in_left, const CString& in_right);
SICPPSDKDECL CString operator+(const char in_left, const CString& in_right);

class SICPPSDKDECL CStringArray
{
public:
	CStringArray(LONG in_size = 0);
	CStringArray(const CStringArray& in_array);
	~CStringArray();

	CStringArray& operator=(const CStringArray& in_array);
	LONG GetCount() const;
	CStatus Add(const CString& in_item);
	CStatus Clear();
	CStatus Resize(LONG in_size);
	const CString& operator[](LONG in_index) const;
	CString& operator[](LONG in_index);
	bool operator==(const CStringArray& in_array) const;
	bool operator!=(const CStringArray& in_array) const;

private:
	std::vector<CString> m_items;
};

} // namespace XSI

#endif // XSI_STRING_H
