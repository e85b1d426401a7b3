// Stand-in for the host's xsi_pluginregistrar.h: what a plug-in declares to the host when it loads.
#ifndef XSI_PLUGINREGISTRAR_H
#define XSI_PLUGINREGISTRAR_H

#include "xsi_siobject.h"
#include "xsi_pluginitem.h"

namespace XSI {

class SICPPSDKDECL PluginRegistrar : public SIObject
{
public:
	PluginRegistrar();
	PluginRegistrar(const CRef& in_ref);
	PluginRegistrar(const PluginRegistrar& in_obj);
	~PluginRegistrar();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	PluginRegistrar& operator=(const PluginRegistrar& in_obj);
	PluginRegistrar& operator=(const CRef& in_ref);

	CStatus PutAuthor(const CString& in_author);
	CStatus PutVersion(LONG in_major, LONG in_minor);
	PluginItem RegisterCommand(const CString& in_commandScriptName);
	PluginItem RegisterCommand(const CString& in_commandName, const CString& in_commandScriptName);
	PluginItem RegisterProperty(const CString& in_strName);
	CStatus GetVersion(LONG& out_major, LONG& out_minor) const;
	CString GetAuthor() const;

private:
	PluginRegistrar* operator&() const;
	PluginRegistrar* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(PluginRegistrar, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_PLUGINREGISTRAR_H
