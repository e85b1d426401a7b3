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

// The page is addressed by the new property's full name, not by the bare
// property name: a "QuillmereOption" left by an interrupted run would
// otherwise be shown in its place while the answers are read from this one.
bool ShowOptionPage(const CustomProperty& in_options)
{
	CString objects = in_options.GetFullName();
	if (objects.IsEmpty()) {
		// The host could not add the property. An empty object list would
		// inspect the selection instead: take it as a failed page.
		return false;
	}
	CValue confirmed =
	    InspectObjCommand(objects, CValue().GetAsText(), kOptionPropertyName, CValue(static_cast<LONG>(siModal)), true);
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
	// By reference, for the same reason the page is shown by full name. Not
	// at all when the host could not add it: DeleteObj given no valid object
	// deletes the selection.
	if (options.IsValid()) {
		DeleteObjCommand(CValue(options.GetRef()));
	}
	return CStatus::OK;
}
