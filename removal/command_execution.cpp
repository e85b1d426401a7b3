// The Quillmere command: ask which kinds to remove, then remove them.
#include "options/option_literals.h"
#include "removal/delete_obj_command.h"
#include "removal/modal_page_command.h"
#include "removal/removal_pass.h"
#include "removal/removal_targets.h"

using namespace XSI;

namespace {

struct TargetSwitch {
	const wchar_t* parameter;
	bool* target;
};

// Read in this order, each into the switch of the same name.
const TargetSwitch kTargetSwitches[] = {
    {kPosParameter, &RemovalTargets::Pos},           {kDirParameter, &RemovalTargets::Dir},
    {kOriParameter, &RemovalTargets::Ori},           {kPoseParameter, &RemovalTargets::Pose},
    {kDistanceParameter, &RemovalTargets::Distance}, {kScalingParameter, &RemovalTargets::Scaling},
    {kSymmetryParameter, &RemovalTargets::Symmetry}, {kChainUpVectorParameter, &RemovalTargets::ChainUpVector},
};

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

void ReadRemovalTargets(const CustomProperty& in_options)
{
	for (const TargetSwitch& entry : kTargetSwitches) {
		*entry.target = static_cast<bool>(in_options.GetParameterValue(entry.parameter, DBL_MAX));
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
