// A plug-in that logs while it loads and while its command is set up: what
// it says then belongs in the run's log as much as what its command says.
#include <xsi_application.h>
#include <xsi_pluginregistrar.h>
#include <xsi_status.h>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Talkative Plug-in");
	in_reg.RegisterCommand(L"Quillmere", L"Quillmere");
	Application().LogMessage(L"loading: version 0.1", siWarningMsg);
	return CStatus::OK;
}

SICALLBACK Quillmere_Init(CRef&)
{
	Application().LogMessage(L"init: the command is set up", siInfoMsg);
	return CStatus::OK;
}

SICALLBACK Quillmere_Execute(CRef&)
{
	Application().LogMessage(L"execute: nothing to do", siInfoMsg);
	return CStatus::OK;
}
