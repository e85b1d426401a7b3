// A plug-in whose command throws while it runs: the host must log it and
// fail the command, not abort. Named as Quillmere's, so that the host
// program takes it for one.
#include <xsi_pluginregistrar.h>
#include <xsi_status.h>

#include <stdexcept>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Throwing Plug-in");
	in_reg.RegisterCommand(L"Quillmere", L"Quillmere");
	return CStatus::OK;
}

SICALLBACK Quillmere_Execute(CRef&)
{
	throw std::runtime_error("the command broke");
}
