// Stand-in for the host's xsi_base.h: the abstract base of every object handle.
#ifndef XSI_BASE_H
#define XSI_BASE_H

#include "sicppsdk.h"
#include "xsi_decl.h"
#include "xsi_ref.h"
#include "xsi_status.h"
#include "xsi_string.h"

namespace XSI {

class SICPPSDKDECL CBase
{
public:
	CBase();
	virtual ~CBase();

	CString GetClassIDName() const;
	virtual siClassID GetClassID() const = 0;
	virtual bool IsA(siClassID in_classID) const;
	bool IsA(const CRef& in_ref) const;
	CStatus SetObject(const CRef& in_ref);
	bool IsValid() const;
	void ResetObject();
	operator CRef&();
	bool operator==(const CBase& in_obj) const;
	bool operator!=(const CBase& in_obj) const;
	const CRef& GetRef() const;

protected:
	void SetPtr(void* in_ptr);
	void SetRef(const CRef& in_ref);
	void Clear();
	void* GetPtr() const;

private:
	// The stand-in's MSVC-ABI build keeps its own storage here (sdk/msvc_abi).
	friend class StandinAccess;

	CBase& operator=(const CBase&);
	CBase* operator&() const;
	CBase* operator&();

	CRef m_ref;
};

XSI_STANDIN_ASSERT_LAYOUT(CBase, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_BASE_H
