// Stand-in for the host's xsi_operator.h: an operator.
#ifndef XSI_OPERATOR_H
#define XSI_OPERATOR_H

#include "xsi_projectitem.h"

namespace XSI {

class SICPPSDKDECL Operator : public ProjectItem
{
public:
	Operator();
	Operator(const CRef& in_ref);
	Operator(const Operator& in_obj);
	~Operator();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Operator& operator=(const Operator& in_obj);
	Operator& operator=(const CRef& in_ref);

private:
	Operator* operator&() const;
	Operator* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Operator, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_OPERATOR_H
