// Stand-in for the host's xsi_ppgeventcontext.h: the context of a property page event.
#ifndef XSI_PPGEVENTCONTEXT_H
#define XSI_PPGEVENTCONTEXT_H

#include "xsi_base.h"
#include "xsi_context.h"
#include "xsi_value.h"

namespace XSI {

class SICPPSDKDECL PPGEventContext : public Context
{
public:
	enum PPGEvent {
		siUndefined = 0,
		siOnInit = 1,
		siOnClosed = 2,
		siParameterChange = 3,
		siButtonClicked = 4,
		siTabChange = 5,
		siGridDataOnBeginValueChange = 6,
		siGridDataOnEndValueChange = 7,
		siGridDataOnBeginSelectionChange = 8,
		siGridDataOnEndSelectionChange = 9,
		siGridDataOnButtonClicked = 10,
		siGridDataOnHeaderDoubleClick = 11,
		siGridDataOnContextMenuInit = 12,
		siGridDataOnContextMenuSelected = 13
	};

	PPGEventContext();
	PPGEventContext(const CRef& in_ref);
	PPGEventContext(const PPGEventContext& in_obj);
	~PPGEventContext();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	PPGEventContext& operator=(const PPGEventContext& in_obj);
	PPGEventContext& operator=(const CRef& in_ref);

	PPGEvent GetEventID() const;

private:
	PPGEventContext* operator&() const;
	PPGEventContext* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(PPGEventContext, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_PPGEVENTCONTEXT_H
