// The option property: its parameters, its page and the page's buttons.
#include "plugin/option_property.h"

#include "plugin/host_api.h"
#include "plugin/kinds.h"

using namespace XSI;

namespace {

struct OptionButton {
	const wchar_t* scriptName;
	const wchar_t* label;
};

const wchar_t* const kAllOnButton = L"AllOn";
const wchar_t* const kAllOffButton = L"AllOff";
const wchar_t* const kAllToggleButton = L"AllToggle";
const OptionButton kOptionButtons[] = {
    {kAllOnButton, L"All ON"},
    {kAllOffButton, L"All OFF"},
    {kAllToggleButton, L"All Toggle"},
};
const wchar_t* const kTargetGroupLabel = L"Target Constraints";
const wchar_t* const kButtonAttribute = L"Button";
const LONG kGroupWidth = 0;

void AddBooleanOption(CustomProperty& io_options, const wchar_t* in_name)
{
	Parameter added;
	io_options.AddParameter(in_name, CValue::siBool, siPersistable, L"", L"", CValue(true), CValue(), CValue(),
	                        CValue(), CValue(), added);
}

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
	for (const Kind& kind : kKinds) {
		io_layout.AddItem(kind.parameter, kind.label, CString());
	}
	io_layout.EndGroup();
}

void PutAllOptions(CustomProperty& io_options, bool in_value)
{
	for (int index : kParameterOrder) {
		io_options.PutParameterValue(kKinds[index].parameter, in_value, DBL_MAX);
	}
}

void ToggleAllOptions(CustomProperty& io_options)
{
	for (int index : kParameterOrder) {
		bool current = static_cast<bool>(io_options.GetParameterValue(kKinds[index].parameter, DBL_MAX));
		io_options.PutParameterValue(kKinds[index].parameter, !current, DBL_MAX);
	}
}

} // namespace

// One boolean per kind of target, all on: every new instance opens with all.
SICALLBACK QuillmereOption_Define(CRef& in_ctxt)
{
	Context ctxt(in_ctxt);
	CustomProperty options(ctxt.GetSource());
	for (int index : kParameterOrder) {
		AddBooleanOption(options, kKinds[index].parameter);
	}
	return CStatus::OK;
}

// A row of buttons over the group of options. The host keeps a property's
// layout between inspections: it is cleared before it is built again.
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
