// The Quillmere command: ask which kinds to remove, then remove them.
#include "plugin/host_api.h"
#include "plugin/host_commands.h"
#include "plugin/kinds.h"
#include "plugin/option_property.h"
#include "plugin/removal_pass.h"

using namespace XSI;

namespace {

// A fresh property each run, so the page always opens with the defaults.
CustomProperty AddOptionProperty()
{
	Model root = Application().GetActiveSceneRoot();
	Property added = root.AddProperty(kOptionPropertyName, false, L"");
	return CustomProperty(added.GetRef());
}

// The page is given the new property itself, not a name: a
// "QuillmereOption" left by an interrupted run would otherwise be shown in
// its place while the answers are read from this one, and a host may give
// the new property that same name, or name it from the root or not.
bool ShowOptionPage(const CustomProperty& in_options)
{
	if (!in_options.IsValid()) {
		// The host could not add the property. No object at all would
		// inspect the selection instead: take it as a failed page.
		return false;
	}
	CValue confirmed = InspectObjCommand(CValue(in_options.GetRef()), CValue().GetAsText(), kOptionPropertyName,
	                                     CValue(static_cast<LONG>(siModal)), true);
	return static_cast<bool>(confirmed);
}

// Each parameter into the switch of the same name.
void ReadRemovalTargets(const CustomProperty& in_options)
{
	for (int index : kParameterOrder) {
		const Kind& kind = kKinds[index];
		*kind.target = static_cast<bool>(in_options.GetParameterValue(kind.parameter, DBL_MAX));
	}
}

} // namespace

SICALLBACK Quillmere_Execute(CRef&)
{
	CustomProperty options = AddOptionProperty();
	if (ShowOptionPage(options)) {
		ReadRemovalTargets(options);
		RemoveTargetsFromSelection();
	}
	// By reference, for the same reason the page is. Not at all when the
	// host could not add it: DeleteObj given no valid object may delete the
	// selection.
	if (options.IsValid()) {
		DeleteObjCommand(CValue(options.GetRef()));
	}
	return CStatus::OK;
}
