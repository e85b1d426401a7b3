// Declares the plug-in to the host and sets up its command.
#include "options/option_literals.h"
#include "plugin/host_api.h"

using namespace XSI;

namespace {

const wchar_t* const kAuthor = L"Quillmere developers";
const wchar_t* const kPluginName = L"Quillmere Plug-in";
const LONG kVersionMajor = 1;
const LONG kVersionMinor = 1;
// The command's callbacks and its script name share this text.
const wchar_t* const kCommandName = L"Quillmere";

} // namespace

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutAuthor(kAuthor);
	in_reg.PutName(kPluginName);
	in_reg.PutVersion(kVersionMajor, kVersionMinor);
	in_reg.RegisterCommand(kCommandName, kCommandName);
	in_reg.RegisterProperty(kOptionPropertyName);
	return CStatus::OK;
}

SICALLBACK Quillmere_Init(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	Command command(ctxt.GetSource());
	command.EnableReturnValue(true);
	return CStatus::OK;
}
