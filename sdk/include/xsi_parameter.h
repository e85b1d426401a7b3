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
};

} // namespace XSI

#endif // XSI_PARAMETER_H
