// Stand-in for the host's xsi_ref.h: handles to host objects.
#ifndef XSI_REF_H
#define XSI_REF_H

#include "sicppsdk.h"
#include "xsi_decl.h"
#include "xsi_string.h"

namespace XSI {

class CStatus;

class SICPPSDKDECL CRef
{
public:
	CRef();
	CRef(const CRef& in_ref);
	~CRef();
	CRef& operator=(const CRef& in_ref);

	siClassID GetClassID() const;
	bool IsA(siClassID in_classID) const;
	CString GetClassIDName() const;
	bool IsValid() const;
	operator bool() const;
	bool operator==(const CRef& in_ref) const;
	bool operator!=(const CRef& in_ref) const;
	bool operator<(const CRef& in_ref) const;
	bool operator>(const CRef& in_ref) const;
	CStatus Set(const CString& in_path);
	CString GetAsText() const;

private:
	// The stand-in's MSVC-ABI build keeps its own storage here (sdk/msvc_abi).
	friend class StandinAccess;

	// The host keeps a pointer to its object here; what the stand-in keeps
	// in this word is its own.
	void* m_ptr;
};

XSI_STANDIN_ASSERT_LAYOUT(CRef, 4, 4, 8, 8, false);

class SICPPSDKDECL CRefArray
{
public:
	CRefArray(LONG in_lSize = 0);
	CRefArray(const CRefArray& in_array);
	virtual ~CRefArray();

	CRefArray& operator=(const CRefArray& in_array);
	CRefArray& operator+=(const CRefArray& in_array);
	const CRef& operator[](LONG in_index) const;
	CRef& operator[](LONG in_index);
	virtual CRef GetItem(LONG in_index) const;
	virtual CRef GetItem(const CString& in_name) const;
	virtual void Add(const CRef& in_item);
	virtual LONG GetCount() const;
	virtual bool IsValid() const;
	operator bool() const;
	siClassID GetClassID() const;
	CString GetClassIDName() const;
	bool IsA(siClassID in_classID) const;
	CStatus Filter(const CString& in_strType, const CStringArray& in_strFam, const CString& in_strObjName,
	               CRefArray& io_array) const;

private:
	friend class StandinAccess;

	LONG m_count;
	void* m_items;
};

XSI_STANDIN_ASSERT_LAYOUT(CRefArray, 12, 4, 24, 8, false);

} // namespace XSI

#endif // XSI_REF_H
