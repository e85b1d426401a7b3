// Stand-in for the host's xsi_selection.h: the host's current selection.
#ifndef XSI_SELECTION_H
#define XSI_SELECTION_H

#include "xsi_base.h"

namespace XSI {

class SICPPSDKDECL Selection : public CBase
{
public:
	Selection();
	Selection(const CRef& in_ref);
	Selection(const Selection& in_obj);
	~Selection();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Selection& operator=(const Selection& in_obj);
	Selection& operator=(const CRef& in_ref);

	CRefArray GetArray();
	LONG GetCount() const;

private:
	Selection* operator&() const;
	Selection* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Selection, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_SELECTION_H
