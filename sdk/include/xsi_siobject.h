// Stand-in for the host's xsi_siobject.h: every named host object.
#ifndef XSI_SIOBJECT_H
#define XSI_SIOBJECT_H

#include "xsi_base.h"

namespace XSI {

class SICPPSDKDECL SIObject : public CBase
{
public:
	SIObject();
	SIObject(const CRef& in_ref);
	SIObject(const SIObject& in_obj);
	~SIObject();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	SIObject& operator=(const SIObject& in_obj);
	SIObject& operator=(const CRef& in_ref);

	CString GetName() const;
	CStatus PutName(const CString& in_name);
	CStatus PutName(CString& in_name);
	CString GetFullName() const;
	CRefArray GetNestedObjects() const;

private:
	SIObject* operator&() const;
	SIObject* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(SIObject, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_SIOBJECT_H
