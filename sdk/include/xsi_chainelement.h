// Stand-in for the host's xsi_chainelement.h: an element of a skeleton chain.
#ifndef XSI_CHAINELEMENT_H
#define XSI_CHAINELEMENT_H

#include "xsi_x3dobject.h"

namespace XSI {

class SICPPSDKDECL ChainElement : public X3DObject
{
public:
	ChainElement();
	ChainElement(const CRef& in_ref);
	ChainElement(const ChainElement& in_obj);
	~ChainElement();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	ChainElement& operator=(const ChainElement& in_obj);
	ChainElement& operator=(const CRef& in_ref);

private:
	ChainElement* operator&() const;
	ChainElement* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(ChainElement, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_CHAINELEMENT_H
