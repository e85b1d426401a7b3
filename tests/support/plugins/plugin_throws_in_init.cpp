// A plug-in whose command's init throws: the host logs it and goes on, and
// the log says so at the end of the run.
#include <xsi_pluginregistrar.h>
#include <xsi_status.h>

#include <stdexcept>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Init-throwing Plug-in");
	in_reg.RegisterCommand(L"Quillmere", L"Quillmere");
	return CStatus::OK;
}

SICALLBACK Quillmere_Init(CRef&)
{
	throw std::runtime_error("no init today");
}

SICALLBACK Quillmere_Execute(CRef&)
{
	return CStatus::OK;
}
