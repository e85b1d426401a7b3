// Stand-in for the host's xsi_sceneitem.h: objects of the scene that hold properties.
#ifndef XSI_SCENEITEM_H
#define XSI_SCENEITEM_H

#include "xsi_projectitem.h"
#include "xsi_customproperty.h"
#include "xsi_status.h"

namespace XSI {

class SICPPSDKDECL SceneItem : public ProjectItem
{
public:
	SceneItem();
	SceneItem(const CRef& in_ref);
	SceneItem(const SceneItem& in_obj);
	~SceneItem();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	SceneItem& operator=(const SceneItem& in_obj);
	SceneItem& operator=(const CRef& in_ref);

	Property AddProperty(const CString& in_preset, bool in_bBranch = false, const CString& in_name = CString());
	CStatus AddProperty(const CString& in_preset, bool in_bBranch, const CString& in_name, Property& out_prop);
	CStatus AddCustomProperty(const CString& in_name, bool in_bBranch, CustomProperty& out_customprop);
	CRefArray GetProperties() const;

private:
	SceneItem* operator&() const;
	SceneItem* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(SceneItem, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_SCENEITEM_H
