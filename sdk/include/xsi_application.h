// Stand-in for the host's xsi_application.h: the running host application.
#ifndef XSI_APPLICATION_H
#define XSI_APPLICATION_H

#include "xsi_siobject.h"
#include "xsi_status.h"
#include "xsi_value.h"

namespace XSI {

class Selection;
class Model;

class SICPPSDKDECL Application : public SIObject
{
public:
	// Unlike other handles, a default-made Application refers to the running host.
	Application();
	Application(const CRef& in_ref);
	Application(const Application& in_obj);
	~Application() {}

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Application& operator=(const Application& in_obj);
	Application& operator=(const CRef& in_ref);

	Selection GetSelection() const;
	Model GetActiveSceneRoot() const;
	CStatus ExecuteCommand(const CString& in_name, CValueArray& in_args, CValue& io_val) const;
	CStatus ExecuteCommand(const CString& in_name, const CValueArray& in_args, CValue& io_val) const;
	CStatus LogMessage(const CString& in_Message, siSeverityType in_Sev = siInfoMsg) const;

private:
	Application* operator&() const;
	Application* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Application, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_APPLICATION_H
