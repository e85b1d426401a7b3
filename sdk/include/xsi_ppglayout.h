// Stand-in for the host's xsi_ppglayout.h: the layout of a property page.
#ifndef XSI_PPGLAYOUT_H
#define XSI_PPGLAYOUT_H

#include "xsi_base.h"
#include "xsi_ppgitem.h"
#include "xsi_value.h"

namespace XSI {

class SICPPSDKDECL PPGLayout : public CBase
{
public:
	PPGLayout();
	PPGLayout(const CRef& in_ref);
	PPGLayout(const PPGLayout& in_obj);
	~PPGLayout();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	PPGLayout& operator=(const PPGLayout& in_obj);
	PPGLayout& operator=(const CRef& in_ref);

	CStatus Clear();
	CStatus AddRow();
	CStatus EndRow();
	PPGItem AddButton(const CString& in_ScriptName, const CString& in_Label = CString());
	PPGItem AddGroup(const CString& in_Label = CString(), bool in_ShowFrame = true, LONG in_WidthPercentage = 0);
	PPGItem AddItem(const CString& in_ParamName, const CString& in_Label = CString(),
	                const CString& in_Type = CString());
	PPGItem EndGroup();

private:
	PPGLayout* operator&() const;
	PPGLayout* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(PPGLayout, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_PPGLAYOUT_H
