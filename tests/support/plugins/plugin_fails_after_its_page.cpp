// A plug-in whose command shows its page, takes the user's OK, and then
// fails: the only failure that follows a confirmed page, after which the
// host program must still write no --out. Its page's one option has a tab in
// its label ("Keep<TAB>Going"), answered by the label's words. Named as
// Quillmere's, so that the host program takes it for one.
#include <xsi_application.h>
#include <xsi_context.h>
#include <xsi_customproperty.h>
#include <xsi_model.h>
#include <xsi_parameter.h>
#include <xsi_pluginregistrar.h>
#include <xsi_ppglayout.h>
#include <xsi_status.h>
#include <xsi_value.h>

using namespace XSI;

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Failing-After-Its-Page Plug-in");
	in_reg.RegisterCommand(L"Quillmere", L"Quillmere");
	in_reg.RegisterProperty(L"LateFailure");
	return CStatus::OK;
}

SICALLBACK LateFailure_Define(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	CustomProperty options(ctxt.GetSource());
	Parameter added;
	options.AddParameter(L"Keep", CValue::siBool, siPersistable, L"", L"", CValue(true), CValue(), CValue(), CValue(),
	                     CValue(), added);
	return CStatus::OK;
}

SICALLBACK LateFailure_DefineLayout(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	PPGLayout layout(ctxt.GetSource());
	layout.Clear();
	layout.AddItem(L"Keep", L"Keep\tGoing", CString());
	return CStatus::OK;
}

SICALLBACK Quillmere_Execute(CRef&)
{
	Property added = Application().GetActiveSceneRoot().AddProperty(L"LateFailure", false, L"");
	CValueArray args(5);
	args[0] = CValue(added.GetRef());
	args[1] = CString();
	args[2] = CString(L"LateFailure");
	args[3] = CValue(static_cast<LONG>(siModal));
	args[4] = true;
	CValue ignored;
	if (Application().ExecuteCommand(L"InspectObj", args, ignored) != CStatus::OK) {
		return CStatus::OK; // cancelled: nothing asked for, nothing failed
	}
	return CStatus::Fail; // confirmed, then the work failed
}
