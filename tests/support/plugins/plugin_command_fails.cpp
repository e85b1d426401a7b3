// A plug-in whose command fails without throwing: the host must report the
// failure and leave the user's files alone. Named as Quillmere's, so that
// the host program takes it for one.
#include <xsi_pluginregistrar.h>
#include <xsi_status.h>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Failing Plug-in");
	in_reg.RegisterCommand(L"Quillmere", L"Quillmere");
	return CStatus::OK;
}

SICALLBACK Quillmere_Execute(CRef&)
{
	return CStatus::Fail;
}
