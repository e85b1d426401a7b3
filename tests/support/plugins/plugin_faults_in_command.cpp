// A plug-in whose command reads one past the end of the selection: a call
// the host leaves undefined, which ends the run as a crash in the host would.
// Named as Quillmere's, so that the host program takes it for one.
#include <xsi_application.h>
#include <xsi_pluginregistrar.h>
#include <xsi_selection.h>
#include <xsi_status.h>
#include <xsi_x3dobject.h>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Faulting Plug-in");
	in_reg.RegisterCommand(L"Quillmere", L"Quillmere");
	return CStatus::OK;
}

SICALLBACK Quillmere_Execute(CRef&)
{
	CRefArray selected = Application().GetSelection().GetArray();
	X3DObject pastTheEnd(selected[selected.GetCount()]);
	Application().LogMessage(L"not reached: " + pastTheEnd.GetName());
	return CStatus::OK;
}
