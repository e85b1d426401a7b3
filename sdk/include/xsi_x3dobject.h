// Stand-in for the host's xsi_x3dobject.h: a 3D object.
#ifndef XSI_X3DOBJECT_H
#define XSI_X3DOBJECT_H

#include "xsi_sceneitem.h"
#include "xsi_status.h"

namespace XSI {

class Kinematics;

class SICPPSDKDECL X3DObject : public SceneItem
{
public:
	X3DObject();
	X3DObject(const CRef& in_ref);
	X3DObject(const X3DObject& in_obj);
	~X3DObject();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	X3DObject& operator=(const X3DObject& in_obj);
	X3DObject& operator=(const CRef& in_ref);

	Kinematics GetKinematics() const;

private:
	X3DObject* operator&() const;
	X3DObject* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(X3DObject, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_X3DOBJECT_H
