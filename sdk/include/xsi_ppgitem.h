// Stand-in for the host's xsi_ppgitem.h: one item of a page layout.
#ifndef XSI_PPGITEM_H
#define XSI_PPGITEM_H

#include "xsi_base.h"
#include "xsi_value.h"

namespace XSI {

class SICPPSDKDECL PPGItem : public CBase
{
public:
	PPGItem();
	PPGItem(const CRef& in_ref);
	PPGItem(const PPGItem& in_obj);
	~PPGItem();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	PPGItem& operator=(const PPGItem& in_obj);
	PPGItem& operator=(const CRef& in_ref);

private:
	PPGItem* operator&() const;
	PPGItem* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(PPGItem, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_PPGITEM_H
