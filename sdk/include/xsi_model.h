// Stand-in for the host's xsi_model.h: a model, such as the scene root.
#ifndef XSI_MODEL_H
#define XSI_MODEL_H

#include "xsi_x3dobject.h"

namespace XSI {

class SICPPSDKDECL Model : public X3DObject
{
public:
	Model();
	Model(const CRef& in_ref);
	Model(const Model& in_obj);
	~Model();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Model& operator=(const Model& in_obj);
	Model& operator=(const CRef& in_ref);

private:
	Model* operator&() const;
	Model* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Model, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_MODEL_H
