// The object classes' own members in the host's binary interface: each
// carried to the stand-in with the handle's class and word.
#include "bridge_calls.h"

#include <xsi_application.h>
#include <xsi_chainbone.h>
#include <xsi_command.h>
#include <xsi_context.h>
#include <xsi_customproperty.h>
#include <xsi_joint.h>
#include <xsi_kinematics.h>
#include <xsi_model.h>
#include <xsi_parameter.h>
#include <xsi_pluginitem.h>
#include <xsi_pluginregistrar.h>
#include <xsi_ppgeventcontext.h>
#include <xsi_ppgitem.h>
#include <xsi_ppglayout.h>
#include <xsi_property.h>
#include <xsi_selection.h>
#include <xsi_x3dobject.h>

using namespace msvc_abi;

namespace XSI {

namespace {

// A member with a handle as its out-parameter: the handle's word goes in and
// comes back as the stand-in left it.
template <typename Call> CStatus IntoHandle(CBase& out, Call call)
{
	bridge_ref word = Word(out);
	CStatus status = Status(call(ClassOf(out), &word));
	SetWord(StandinAccess::Ref(out), word);
	return status;
}

} // namespace

// ---- SIObject ----

CString SIObject::GetName() const
{
	return Taken(bridge_siobject_get_name(ClassOf(*this), Word(*this)));
}

CStatus SIObject::PutName(const CString& in_name)
{
	return Status(bridge_siobject_put_name(ClassOf(*this), Word(*this), Box(in_name), 0));
}

CStatus SIObject::PutName(CString& in_name)
{
	return Status(bridge_siobject_put_name(ClassOf(*this), Word(*this), Box(in_name), 1));
}

CString SIObject::GetFullName() const
{
	return Taken(bridge_siobject_get_full_name(ClassOf(*this), Word(*this)));
}

CRefArray SIObject::GetNestedObjects() const
{
	return TakenRefs(bridge_siobject_get_nested_objects(ClassOf(*this), Word(*this)));
}

// ---- Application ----

Selection Application::GetSelection() const
{
	return TakenHandle<Selection>(bridge_application_get_selection(ClassOf(*this), Word(*this)));
}

Model Application::GetActiveSceneRoot() const
{
	return TakenHandle<Model>(bridge_application_get_active_scene_root(ClassOf(*this), Word(*this)));
}

namespace {

CStatus ExecuteCommandOf(const Application& application, const CString& name, const CValueArray& args,
                         bool constArguments, CValue& ioValue)
{
	CStatus status = Status(bridge_application_execute_command(ClassOf(application), Word(application), Box(name),
	                                                           Box(args), constArguments ? 1 : 0, Box(ioValue)));
	MirrorType(ioValue);
	return status;
}

} // namespace

CStatus Application::ExecuteCommand(const CString& in_name, CValueArray& in_args, CValue& io_val) const
{
	return ExecuteCommandOf(*this, in_name, in_args, false, io_val);
}

CStatus Application::ExecuteCommand(const CString& in_name, const CValueArray& in_args, CValue& io_val) const
{
	return ExecuteCommandOf(*this, in_name, in_args, true, io_val);
}

CStatus Application::LogMessage(const CString& in_Message, siSeverityType in_Sev) const
{
	return Status(
	    bridge_application_log_message(ClassOf(*this), Word(*this), Box(in_Message), static_cast<int32_t>(in_Sev)));
}

// ---- Selection ----

CRefArray Selection::GetArray()
{
	return TakenRefs(bridge_selection_get_array(ClassOf(*this), Word(*this)));
}

LONG Selection::GetCount() const
{
	return Checked(bridge_selection_get_count(ClassOf(*this), Word(*this)));
}

// ---- ProjectItem ----

CValue ProjectItem::GetParameterValue(const CString& in_scriptname, double in_time) const
{
	return TakenValue(
	    bridge_project_item_get_parameter_value(ClassOf(*this), Word(*this), Box(in_scriptname), in_time));
}

namespace {

template <typename T> CStatus PutNumber(ProjectItem& item, const CString& name, T value, double time)
{
	bridge_number number = Number(value);
	return Status(bridge_project_item_put_parameter_number(ClassOf(item), Word(item), Box(name), &number, time));
}

} // namespace

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, bool in_val, double in_time)
{
	return PutNumber(*this, in_scriptname, in_val, in_time);
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, double in_val, double in_time)
{
	return PutNumber(*this, in_scriptname, in_val, in_time);
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, float in_val, double in_time)
{
	return PutNumber(*this, in_scriptname, in_val, in_time);
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, short in_val, double in_time)
{
	return PutNumber(*this, in_scriptname, in_val, in_time);
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, LONG in_val, double in_time)
{
	return PutNumber(*this, in_scriptname, in_val, in_time);
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, LLONG in_val, double in_time)
{
	return PutNumber(*this, in_scriptname, in_val, in_time);
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, const CValue& in_val, double in_time)
{
	return Status(
	    bridge_project_item_put_parameter_value(ClassOf(*this), Word(*this), Box(in_scriptname), Box(in_val), in_time));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, const CRef& in_val, double in_time)
{
	return Status(
	    bridge_project_item_put_parameter_ref(ClassOf(*this), Word(*this), Box(in_scriptname), Word(in_val), in_time));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, const CString& in_val, double in_time)
{
	return Status(bridge_project_item_put_parameter_string(ClassOf(*this), Word(*this), Box(in_scriptname), Box(in_val),
	                                                       in_time));
}

Parameter ProjectItem::GetParameter(const CString& in_scriptname) const
{
	return TakenHandle<Parameter>(bridge_project_item_get_parameter(ClassOf(*this), Word(*this), Box(in_scriptname)));
}

// ---- SceneItem, X3DObject, Kinematics, ChainBone ----

Property SceneItem::AddProperty(const CString& in_preset, bool in_bBranch, const CString& in_name)
{
	return TakenHandle<Property>(
	    bridge_scene_item_add_property(ClassOf(*this), Word(*this), Box(in_preset), in_bBranch ? 1 : 0, Box(in_name)));
}

CStatus SceneItem::AddProperty(const CString& in_preset, bool in_bBranch, const CString& in_name, Property& out_prop)
{
	return IntoHandle(out_prop, [&](int32_t outClass, bridge_ref* out) {
		return bridge_scene_item_add_property_out(ClassOf(*this), Word(*this), Box(in_preset), in_bBranch ? 1 : 0,
		                                          Box(in_name), outClass, out);
	});
}

CStatus SceneItem::AddCustomProperty(const CString& in_name, bool in_bBranch, CustomProperty& out_customprop)
{
	return IntoHandle(out_customprop, [&](int32_t outClass, bridge_ref* out) {
		return bridge_scene_item_add_custom_property(ClassOf(*this), Word(*this), Box(in_name), in_bBranch ? 1 : 0,
		                                             outClass, out);
	});
}

CRefArray SceneItem::GetProperties() const
{
	return TakenRefs(bridge_scene_item_get_properties(ClassOf(*this), Word(*this)));
}

Kinematics X3DObject::GetKinematics() const
{
	return TakenHandle<Kinematics>(bridge_x3dobject_get_kinematics(ClassOf(*this), Word(*this)));
}

CRefArray Kinematics::GetConstraints() const
{
	return TakenRefs(bridge_kinematics_get_constraints(ClassOf(*this), Word(*this)));
}

Joint ChainBone::GetJoint() const
{
	return TakenHandle<Joint>(bridge_chain_bone_get_joint(ClassOf(*this), Word(*this)));
}

// ---- CustomProperty ----

namespace {

CStatus AddParameterTo(CustomProperty& property, const CString& scriptName, CValue::DataType type,
                       bool hasClassification, siParamClassification classification, INT capabilities,
                       const CString& name, const CString& description, const CValue& defaultValue, const CValue* min,
                       const CValue* max, const CValue* suggestedMin, const CValue* suggestedMax, Parameter& parameter)
{
	return IntoHandle(parameter, [&](int32_t outClass, bridge_ref* out) {
		return bridge_custom_property_add_parameter(
		    ClassOf(property), Word(property), Box(scriptName), static_cast<int32_t>(type), hasClassification ? 1 : 0,
		    static_cast<int32_t>(classification), static_cast<int32_t>(capabilities), Box(name), Box(description),
		    Box(defaultValue), min ? Box(*min) : nullptr, max ? Box(*max) : nullptr,
		    suggestedMin ? Box(*suggestedMin) : nullptr, suggestedMax ? Box(*suggestedMax) : nullptr, outClass, out);
	});
}

} // namespace

CStatus CustomProperty::AddParameter(const CString& in_scriptname, CValue::DataType in_type,
                                     siParamClassification in_classification, INT in_capabilities,
                                     const CString& in_name, const CString& in_description, const CValue& in_default,
                                     const CValue& in_min, const CValue& in_max, const CValue& in_suggestedmin,
                                     const CValue& in_suggestedmax, Parameter& io_parameter)
{
	return AddParameterTo(*this, in_scriptname, in_type, true, in_classification, in_capabilities, in_name,
	                      in_description, in_default, &in_min, &in_max, &in_suggestedmin, &in_suggestedmax,
	                      io_parameter);
}

CStatus CustomProperty::AddParameter(const CString& in_scriptname, CValue::DataType in_type, INT in_capabilities,
                                     const CString& in_name, const CString& in_description, const CValue& in_default,
                                     const CValue& in_min, const CValue& in_max, const CValue& in_suggestedmin,
                                     const CValue& in_suggestedmax, Parameter& io_parameter)
{
	return AddParameterTo(*this, in_scriptname, in_type, false, siClassifUnknown, in_capabilities, in_name,
	                      in_description, in_default, &in_min, &in_max, &in_suggestedmin, &in_suggestedmax,
	                      io_parameter);
}

CStatus CustomProperty::AddParameter(const CString& in_scriptname, CValue::DataType in_type, INT in_capabilities,
                                     const CString& in_name, const CString& in_description, const CValue& in_default,
                                     Parameter& io_parameter)
{
	return AddParameterTo(*this, in_scriptname, in_type, false, siClassifUnknown, in_capabilities, in_name,
	                      in_description, in_default, nullptr, nullptr, nullptr, nullptr, io_parameter);
}

// ---- Command, Context, PPGEventContext ----

CStatus Command::EnableReturnValue(bool in_bEnable)
{
	return Status(bridge_command_enable_return_value(ClassOf(*this), Word(*this), in_bEnable ? 1 : 0));
}

bool Command::IsReturnValueEnabled()
{
	return Checked(bridge_command_is_return_value_enabled(ClassOf(*this), Word(*this))) != 0;
}

CRef Context::GetSource() const
{
	return RefOfWord(bridge_context_get_source(ClassOf(*this), Word(*this)));
}

CValue Context::GetAttribute(const CString& in_AttributeName)
{
	return TakenValue(bridge_context_get_attribute(ClassOf(*this), Word(*this), Box(in_AttributeName)));
}

CStatus Context::PutAttribute(const CString& in_AttributeName, const CValue& in_value)
{
	return Status(bridge_context_put_attribute(ClassOf(*this), Word(*this), Box(in_AttributeName), Box(in_value)));
}

PPGEventContext::PPGEvent PPGEventContext::GetEventID() const
{
	return static_cast<PPGEvent>(Checked(bridge_ppg_event_context_get_event_id(ClassOf(*this), Word(*this))));
}

// ---- PPGLayout ----

CStatus PPGLayout::Clear()
{
	return Status(bridge_ppg_layout_clear(ClassOf(*this), Word(*this)));
}

CStatus PPGLayout::AddRow()
{
	return Status(bridge_ppg_layout_add_row(ClassOf(*this), Word(*this)));
}

CStatus PPGLayout::EndRow()
{
	return Status(bridge_ppg_layout_end_row(ClassOf(*this), Word(*this)));
}

PPGItem PPGLayout::AddButton(const CString& in_ScriptName, const CString& in_Label)
{
	return TakenHandle<PPGItem>(
	    bridge_ppg_layout_add_button(ClassOf(*this), Word(*this), Box(in_ScriptName), Box(in_Label)));
}

PPGItem PPGLayout::AddGroup(const CString& in_Label, bool in_ShowFrame, LONG in_WidthPercentage)
{
	return TakenHandle<PPGItem>(bridge_ppg_layout_add_group(
	    ClassOf(*this), Word(*this), Box(in_Label), in_ShowFrame ? 1 : 0, static_cast<int32_t>(in_WidthPercentage)));
}

PPGItem PPGLayout::AddItem(const CString& in_ParamName, const CString& in_Label, const CString& in_Type)
{
	return TakenHandle<PPGItem>(
	    bridge_ppg_layout_add_item(ClassOf(*this), Word(*this), Box(in_ParamName), Box(in_Label), Box(in_Type)));
}

PPGItem PPGLayout::EndGroup()
{
	return TakenHandle<PPGItem>(bridge_ppg_layout_end_group(ClassOf(*this), Word(*this)));
}

// ---- PluginRegistrar ----

CStatus PluginRegistrar::PutAuthor(const CString& in_author)
{
	return Status(bridge_plugin_registrar_put_author(ClassOf(*this), Word(*this), Box(in_author)));
}

CStatus PluginRegistrar::PutVersion(LONG in_major, LONG in_minor)
{
	return Status(bridge_plugin_registrar_put_version(ClassOf(*this), Word(*this), static_cast<int32_t>(in_major),
	                                                  static_cast<int32_t>(in_minor)));
}

PluginItem PluginRegistrar::RegisterCommand(const CString& in_commandScriptName)
{
	return TakenHandle<PluginItem>(
	    bridge_plugin_registrar_register_command(ClassOf(*this), Word(*this), Box(in_commandScriptName), nullptr));
}

PluginItem PluginRegistrar::RegisterCommand(const CString& in_commandName, const CString& in_commandScriptName)
{
	return TakenHandle<PluginItem>(bridge_plugin_registrar_register_command(
	    ClassOf(*this), Word(*this), Box(in_commandName), Box(in_commandScriptName)));
}

PluginItem PluginRegistrar::RegisterProperty(const CString& in_strName)
{
	return TakenHandle<PluginItem>(
	    bridge_plugin_registrar_register_property(ClassOf(*this), Word(*this), Box(in_strName)));
}

CStatus PluginRegistrar::GetVersion(LONG& out_major, LONG& out_minor) const
{
	int32_t major = static_cast<int32_t>(out_major);
	int32_t minor = static_cast<int32_t>(out_minor);
	CStatus status = Status(bridge_plugin_registrar_get_version(ClassOf(*this), Word(*this), &major, &minor));
	out_major = major;
	out_minor = minor;
	return status;
}

CString PluginRegistrar::GetAuthor() const
{
	return Taken(bridge_plugin_registrar_get_author(ClassOf(*this), Word(*this)));
}

} // namespace XSI
