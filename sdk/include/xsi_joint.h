// Stand-in for the host's xsi_joint.h: the joint of a chain bone.
#ifndef XSI_JOINT_H
#define XSI_JOINT_H

#include "xsi_property.h"
#include "xsi_status.h"

namespace XSI {

class SICPPSDKDECL Joint : public Property
{
public:
	Joint();
	Joint(const CRef& in_ref);
	Joint(const Joint& in_obj);
	~Joint();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Joint& operator=(const Joint& in_obj);
	Joint& operator=(const CRef& in_ref);

private:
	Joint* operator&() const;
	Joint* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Joint, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_JOINT_H
