// A small plug-in for the host engine's own tests: a command whose name has a
// blank, a property without a layout callback, one whose layout callback
// never clears the layout, an unload callback, and a load that fails when
// asked to.
#include <xsi_application.h>
#include <xsi_context.h>
#include <xsi_customproperty.h>
#include <xsi_pluginregistrar.h>
#include <xsi_ppglayout.h>
#include <xsi_status.h>

#include <cstdlib>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Test Plug-in");
	in_reg.PutVersion(2, 5);
	in_reg.RegisterCommand(L"Say Hello", L"SayHello");
	in_reg.RegisterProperty(L"Plain Options");
	in_reg.RegisterProperty(L"Growing Page");
	return std::getenv("TEST_PLUGIN_FAIL_LOAD") ? CStatus::Fail : CStatus::OK;
}

SICALLBACK XSIUnloadPlugin(const PluginRegistrar&)
{
	Application().LogMessage(L"unloaded", siInfoMsg);
	return CStatus::OK;
}

SICALLBACK SayHello_Execute(CRef&)
{
	Application().LogMessage(L"hello", siInfoMsg);
	return CStatus::OK;
}

SICALLBACK PlainOptions_Define(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	CustomProperty options(ctxt.GetSource());
	Parameter added;
	options.AddParameter(L"Flag", CValue::siBool, siPersistable, L"", L"", CValue(false), added);
	options.AddParameter(L"Count", CValue::siInt4, siPersistable, L"", L"", CValue(static_cast<LONG>(3)), added);
	return CStatus::OK;
}

SICALLBACK GrowingPage_Define(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	CustomProperty options(ctxt.GetSource());
	Parameter added;
	options.AddParameter(L"Flag", CValue::siBool, siPersistable, L"", L"", CValue(false), added);
	return CStatus::OK;
}

// Adds its item to whatever layout it is given, without clearing it first.
SICALLBACK GrowingPage_DefineLayout(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	PPGLayout layout(ctxt.GetSource());
	layout.AddItem(L"Flag", L"Flag");
	return CStatus::OK;
}
