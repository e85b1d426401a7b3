// Stand-in for the host's xsi_constraint.h: a constraint.
#ifndef XSI_CONSTRAINT_H
#define XSI_CONSTRAINT_H

#include "xsi_property.h"

namespace XSI {

class SICPPSDKDECL Constraint : public Property
{
public:
	Constraint();
	Constraint(const CRef& in_ref);
	Constraint(const Constraint& in_obj);
	~Constraint();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Constraint& operator=(const Constraint& in_obj);
	Constraint& operator=(const CRef& in_ref);

private:
	Constraint* operator&() const;
	Constraint* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Constraint, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_CONSTRAINT_H
