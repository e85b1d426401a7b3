// Declares the plug-in to the host and sets up its command.
#include "plugin/host_api.h"
#include "plugin/option_property.h"

using namespace XSI;

namespace {

const wchar_t* const kAuthor = L"Quillmere developers";
const wchar_t* const kPluginName = L"Quillmere Plug-in";
// The project's version, handed over by the build.
const LONG kVersionMajor = QUILLMERE_VERSION_MAJOR;
const LONG kVersionMinor = QUILLMERE_VERSION_MINOR;
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
