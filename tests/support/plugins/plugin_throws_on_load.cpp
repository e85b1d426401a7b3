// A plug-in whose XSILoadPlugin throws: the host must refuse it, not abort.
#include <xsi_pluginregistrar.h>
#include <xsi_status.h>

#include <stdexcept>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar&)
{
	throw std::runtime_error("no registration today");
}
