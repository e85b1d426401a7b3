// A plug-in whose command throws while it runs: the host must log it and
// fail the command, not abort.
#include <xsi_pluginregistrar.h>
#include <xsi_status.h>

#include <stdexcept>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Throwing Plug-in");
	in_reg.RegisterCommand(L"Fail Loudly", L"FailLoudly");
	return CStatus::OK;
}

SICALLBACK FailLoudly_Execute(CRef&)
{
	throw std::runtime_error("the command broke");
}
