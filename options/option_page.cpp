// The option property's page: a row of buttons over the group of options.
#include "options/option_literals.h"
#include "plugin/host_api.h"

using namespace XSI;

namespace {

const LONG kGroupWidth = 0;

void AddButtonRow(PPGLayout& io_layout)
{
	io_layout.AddRow();
	for (const OptionButton& button : kOptionButtons) {
		io_layout.AddButton(button.scriptName, button.label);
	}
	io_layout.EndRow();
}

void AddTargetGroup(PPGLayout& io_layout)
{
	io_layout.AddGroup(kTargetGroupLabel, true, kGroupWidth);
	for (const OptionPageItem& item : kOptionPageItems) {
		io_layout.AddItem(item.parameter, item.label, CString());
	}
	io_layout.EndGroup();
}

void PutAllOptions(CustomProperty& io_options, bool in_value)
{
	for (int i = 0; i < kOptionParameterCount; ++i) {
		io_options.PutParameterValue(kOptionParameters[i], in_value, DBL_MAX);
	}
}

void ToggleAllOptions(CustomProperty& io_options)
{
	for (int i = 0; i < kOptionParameterCount; ++i) {
		bool current = static_cast<bool>(io_options.GetParameterValue(kOptionParameters[i], DBL_MAX));
		io_options.PutParameterValue(kOptionParameters[i], !current, DBL_MAX);
	}
}

} // namespace

SICALLBACK QuillmereOption_DefineLayout(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	PPGLayout layout(ctxt.GetSource());
	layout.Clear();
	AddButtonRow(layout);
	AddTargetGroup(layout);
	return CStatus::OK;
}

SICALLBACK QuillmereOption_PPGEvent(const CRef& in_ctxt)
{
	PPGEventContext ctxt(in_ctxt);
	if (ctxt.GetEventID() != PPGEventContext::siButtonClicked) {
		return CStatus::OK;
	}
	CString button = ctxt.GetAttribute(kButtonAttribute).GetAsText();
	CustomProperty options(ctxt.GetSource());
	if (button == kAllOnButton) {
		PutAllOptions(options, true);
	} else if (button == kAllOffButton) {
		PutAllOptions(options, false);
	} else if (button == kAllToggleButton) {
		ToggleAllOptions(options);
	}
	return CStatus::OK;
}
