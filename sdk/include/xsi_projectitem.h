// Stand-in for the host's xsi_projectitem.h: objects that carry parameters.
#ifndef XSI_PROJECTITEM_H
#define XSI_PROJECTITEM_H

#include "xsi_siobject.h"
#include "xsi_value.h"
#include "xsi_parameter.h"

namespace XSI {

class SICPPSDKDECL ProjectItem : public SIObject
{
public:
	ProjectItem();
	ProjectItem(const CRef& in_ref);
	ProjectItem(const ProjectItem& in_obj);
	~ProjectItem();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	ProjectItem& operator=(const ProjectItem& in_obj);
	ProjectItem& operator=(const CRef& in_ref);

	CValue GetParameterValue(const CString& in_scriptname, double in_time = DBL_MAX) const;
	CStatus PutParameterValue(const CString& in_scriptname, bool in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, double in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, float in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, short in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, LONG in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, LLONG in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, const CValue& in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, const CRef& in_val, double in_time = DBL_MAX);
	CStatus PutParameterValue(const CString& in_scriptname, const CString& in_val, double in_time = DBL_MAX);
	Parameter GetParameter(const CString& in_scriptname) const;

private:
	ProjectItem* operator&() const;
	ProjectItem* operator&();

	// The host's project items are this much larger than other handles; the
	// stand-in keeps nothing here.
	void* m_reserved[4];
};

XSI_STANDIN_ASSERT_LAYOUT(ProjectItem, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_PROJECTITEM_H
