// Stand-in for the host's xsi_string.h: wide text and arrays of it.
#ifndef XSI_STRING_H
#define XSI_STRING_H

#include "sicppsdk.h"

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

	const wchar_t* GetWideString() const;
	const char* GetAsciiString() const;
	CStatus PutAsciiString(const char* in_str);
	ULONG Length() const;
	bool IsEmpty() const;
	void Clear();

	CString& operator=(const CString& in_str);
	CString& operator=(const wchar_t* in_str);
	CString& operator=(const char* in_str);

	bool operator==(const CString& in_str) const;
	bool operator==(const wchar_t* in_str) const;
	bool operator==(const char* in_str) const;
	bool operator!=(const CString& in_str) const;
	bool operator!=(const wchar_t* in_str) const;
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
	// The stand-in's MSVC-ABI build keeps its own storage here (sdk/msvc_abi).
	friend class StandinAccess;

	// The text, behind one pointer as in the host's class; what lies there is
	// the stand-in's own.
	void* m_text;
};

XSI_STANDIN_ASSERT_LAYOUT(CString, 8, 4, 16, 8, false);

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
	friend class StandinAccess;

	void* m_items;
};

XSI_STANDIN_ASSERT_LAYOUT(CStringArray, 4, 4, 8, 8, false);

} // namespace XSI

#endif // XSI_STRING_H
