// The option property's parameters: one boolean per kind of target, all on.
#include "options/option_literals.h"
#include "plugin/host_api.h"

using namespace XSI;

namespace {

void AddBooleanOption(CustomProperty& io_options, const wchar_t* in_name)
{
	Parameter added;
	io_options.AddParameter(in_name, CValue::siBool, siPersistable, L"", L"", CValue(true), CValue(), CValue(),
	                        CValue(), CValue(), added);
}

} // namespace

SICALLBACK QuillmereOption_Define(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	CustomProperty options(ctxt.GetSource());
	for (int i = 0; i < kOptionParameterCount; ++i) {
		AddBooleanOption(options, kOptionParameters[i]);
	}
	return CStatus::OK;
}
