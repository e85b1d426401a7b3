// Stand-in for the host's xsi_parameter.h: one parameter of a property.
#ifndef XSI_PARAMETER_H
#define XSI_PARAMETER_H

#include "xsi_siobject.h"
#include "xsi_value.h"
#include "xsi_status.h"

namespace XSI {

class SICPPSDKDECL Parameter : public SIObject
{
public:
	Parameter();
	Parameter(const CRef& in_ref);
	Parameter(const Parameter& in_obj);
	~Parameter();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Parameter& operator=(const Parameter& in_obj);
	Parameter& operator=(const CRef& in_ref);

private:
	Parameter* operator&() const;
	Parameter* operator&();

	// The host's parameters are this much larger than other handles; the
	// stand-in keeps nothing here.
	void* m_reserved[4];
};

XSI_STANDIN_ASSERT_LAYOUT(Parameter, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_PARAMETER_H
