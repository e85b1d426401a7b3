// Stand-in for the host's xsi_pluginitem.h: an item a plug-in registered.
#ifndef XSI_PLUGINITEM_H
#define XSI_PLUGINITEM_H

#include "xsi_siobject.h"

namespace XSI {

class SICPPSDKDECL PluginItem : public SIObject
{
public:
	PluginItem();
	PluginItem(const CRef& in_ref);
	PluginItem(const PluginItem& in_obj);
	~PluginItem();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	PluginItem& operator=(const PluginItem& in_obj);
	PluginItem& operator=(const CRef& in_ref);

private:
	PluginItem* operator&() const;
	PluginItem* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(PluginItem, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_PLUGINITEM_H
