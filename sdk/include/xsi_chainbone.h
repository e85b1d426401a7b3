// Stand-in for the host's xsi_chainbone.h: a bone of a skeleton chain.
#ifndef XSI_CHAINBONE_H
#define XSI_CHAINBONE_H

#include "xsi_chainelement.h"

namespace XSI {

class Joint;

class SICPPSDKDECL ChainBone : public ChainElement
{
public:
	ChainBone();
	ChainBone(const CRef& in_ref);
	ChainBone(const ChainBone& in_obj);
	~ChainBone();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	ChainBone& operator=(const ChainBone& in_obj);
	ChainBone& operator=(const CRef& in_ref);

	Joint GetJoint() const;

private:
	ChainBone* operator&() const;
	ChainBone* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(ChainBone, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_CHAINBONE_H
