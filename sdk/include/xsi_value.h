// Stand-in for the host's xsi_value.h: the variant value and arrays of it.
#ifndef XSI_VALUE_H
#define XSI_VALUE_H

#include "sicppsdk.h"
#include "xsi_ref.h"

namespace XSI {

class CValueArray;

class SICPPSDKDECL CValue
{
public:
	enum DataType {
		siEmpty = 0,
		siInt2 = 2,
		siInt4 = 3,
		siFloat = 4,
		siDouble = 5,
		siString = 8,
		siIDispatch = 9,
		siInt8 = 10,
		siBool = 11,
		siIUnknown = 13,
		siInt1 = 16,
		siUInt1 = 17,
		siUInt2 = 18,
		siUInt4 = 19,
		siUInt8 = 20,
		siWStr = 31,
		siRef = 666,
		siArray = 667,
		siPtr = 668,
		siRefArray = 669,
		siVector3 = 670,
		siLongArray = 671,
		siFloatArray = 672,
		siVector2f = 800,
		siVector3f,
		siVector4f,
		siQuaternionf,
		siRotationf,
		siMatrix3f,
		siMatrix4f,
		siColor4f,
		siShape,
		siBlob,
		siStringArray
	};

	CValue();
	CValue(const CValue& in_val);
	CValue(short in_val);
	CValue(unsigned short in_val);
	CValue(LONG in_val);
#ifndef XSI_STANDIN_LONG_IS_INT
	CValue(int in_val);
#endif
	CValue(ULONG in_val);
	CValue(LLONG in_val);
	CValue(ULLONG in_val);
	CValue(float in_val);
	CValue(double in_val);
	CValue(bool in_val);
	CValue(const CString& in_val);
	CValue(const CRef& in_val);
	CValue(const CRefArray& in_val);
	CValue(unsigned char in_val);
	CValue(signed char in_val);
	CValue(const CValueArray& in_val);
	CValue(const wchar_t* in_val);
	CValue(const char* in_val);
	CValue(const CStringArray& in_val);
	virtual ~CValue();

	CValue& operator=(const CValue& in_val);
	CValue& operator=(short in_val);
	CValue& operator=(unsigned short in_val);
	CValue& operator=(LONG in_val);
#ifndef XSI_STANDIN_LONG_IS_INT
	CValue& operator=(int in_val);
#endif
	CValue& operator=(ULONG in_val);
	CValue& operator=(LLONG in_val);
	CValue& operator=(ULLONG in_val);
	CValue& operator=(float in_val);
	CValue& operator=(double in_val);
	CValue& operator=(bool in_val);
	CValue& operator=(const CString& in_val);
	CValue& operator=(const CRef& in_val);
	CValue& operator=(const CRefArray& in_val);
	CValue& operator=(unsigned char in_val);
	CValue& operator=(signed char in_val);
	CValue& operator=(const CValueArray& in_val);
	CValue& operator=(const wchar_t* in_val);
	CValue& operator=(const char* in_val);
	CValue& operator=(const CStringArray& in_val);

	operator short() const;
	operator unsigned short() const;
	operator LONG() const;
#ifndef XSI_STANDIN_LONG_IS_INT
	operator int() const;
#endif
	operator ULONG() const;
	operator LLONG() const;
	operator ULLONG() const;
	operator float() const;
	operator double() const;
	operator bool() const;
	operator CString() const;
	operator CRef() const;
	operator CRefArray() const;
	operator unsigned char() const;
	operator signed char() const;
	operator CValueArray&() const;

	bool operator==(const CValue& in_val) const;
	// The host defines these inline, on top of its exported members.
	bool operator==(short in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(unsigned short in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(LONG in_val) const
	{
		return *this == CValue(in_val);
	}
#ifndef XSI_STANDIN_LONG_IS_INT
	bool operator==(int in_val) const
	{
		return *this == CValue(in_val);
	}
#endif
	bool operator==(ULONG in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(LLONG in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(ULLONG in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(float in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(double in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(bool in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(const CString& in_val) const;
	bool operator==(const CRef& in_val) const;
	bool operator==(const CRefArray& in_val) const;
	bool operator==(unsigned char in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(signed char in_val) const
	{
		return *this == CValue(in_val);
	}
	bool operator==(const CValueArray& in_val) const;
	bool operator==(const wchar_t* in_val) const;
	bool operator==(const char* in_val) const;
	bool operator==(const CStringArray& in_val) const;
	bool operator!=(const CValue& in_val) const;
	bool operator<(const CValue& in_val) const;
	bool operator>(const CValue& in_val) const;
	bool operator<=(const CValue& in_val) const;
	bool operator>=(const CValue& in_val) const;

	CString GetAsText() const;
	bool IsEmpty() const;
	void ChangeType(CValue::DataType in_type, const CValue* in_pSrc = NULL);
	void Clear();

	// The union first: with the tag after it the value has the host's size
	// on 32 bits as on 64, where the tag first would leave it 16 bytes on 32.
	union {
		short sval;
		unsigned short usval;
		LONG lval;
		ULONG ulval;
		LLONG llval;
		ULLONG ullval;
		float fval;
		double dval;
		bool bval;
		unsigned char ucval;
		signed char scval;
		void* pval;
	} m_u;
	DataType m_t;
};

XSI_STANDIN_ASSERT_LAYOUT(CValue, 24, 8, 24, 8, false);

class SICPPSDKDECL CValueArray
{
public:
	CValueArray(LONG in_size = 0);
	CValueArray(const CValueArray& in_array);
	~CValueArray();

	CValueArray& operator=(const CValueArray& in_array);
	LONG GetCount() const;
	CStatus Add(const CValue& in_item);
	CStatus Clear();
	CStatus Resize(LONG in_size);
	const CValue& operator[](LONG in_index) const;
	CValue& operator[](LONG in_index);
	bool operator==(const CValueArray& in_array) const;
	bool operator!=(const CValueArray& in_array) const;

private:
	// The stand-in's MSVC-ABI build keeps its own storage here (sdk/msvc_abi).
	friend class StandinAccess;

	void* m_items;
};

XSI_STANDIN_ASSERT_LAYOUT(CValueArray, 4, 4, 8, 8, false);

} // namespace XSI

#endif // XSI_VALUE_H
