// Stand-in for the host's xsi_kinematics.h: the kinematics of a 3D object.
#ifndef XSI_KINEMATICS_H
#define XSI_KINEMATICS_H

#include "xsi_property.h"

namespace XSI {

class SICPPSDKDECL Kinematics : public Property
{
public:
	Kinematics();
	Kinematics(const CRef& in_ref);
	Kinematics(const Kinematics& in_obj);
	~Kinematics();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Kinematics& operator=(const Kinematics& in_obj);
	Kinematics& operator=(const CRef& in_ref);

	CRefArray GetConstraints() const;

private:
	Kinematics* operator&() const;
	Kinematics* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Kinematics, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_KINEMATICS_H
