// The bridge's object handles: a handle of the caller's class made around the
// caller's word, and the member called on it.
#include "bridge_faults.h"
#include "bridge_objects.h"
#include "engine/class_info.h"
#include "engine/plugin_fault.h"

#include <xsi_application.h>
#include <xsi_chainbone.h>
#include <xsi_command.h>
#include <xsi_constraint.h>
#include <xsi_context.h>
#include <xsi_customproperty.h>
#include <xsi_joint.h>
#include <xsi_kinematics.h>
#include <xsi_model.h>
#include <xsi_operator.h>
#include <xsi_parameter.h>
#include <xsi_pluginitem.h>
#include <xsi_pluginregistrar.h>
#include <xsi_ppgeventcontext.h>
#include <xsi_ppgitem.h>
#include <xsi_ppglayout.h>
#include <xsi_selection.h>

#include <stdexcept>
#include <string>

using namespace XSI;
using abi_bridge::Guarded;
using abi_bridge::NewString;
using abi_bridge::Of;
using abi_bridge::RefOf;
using abi_bridge::WordOf;

namespace {

// A handle holding the caller's word as it is: not bound again, so a
// reference gone stale on the other side stays stale here.
template <typename T> class Adopted : public T
{
public:
	explicit Adopted(bridge_ref word) { this->SetRef(RefOf(word)); }
};

// Every API class a handle can be, by the siClassID its GetClassID answers.
#define BRIDGE_HANDLE_CLASSES(X)                                                                                       \
	X(SIObject, siSIObjectID)                                                                                          \
	X(Application, siApplicationID)                                                                                    \
	X(Selection, siSelectionID)                                                                                        \
	X(Parameter, siParameterID)                                                                                        \
	X(ProjectItem, siProjectItemID)                                                                                    \
	X(Property, siPropertyID)                                                                                          \
	X(CustomProperty, siCustomPropertyID)                                                                              \
	X(SceneItem, siSceneItemID)                                                                                        \
	X(X3DObject, siX3DObjectID)                                                                                        \
	X(Model, siModelID)                                                                                                \
	X(ChainElement, siChainElementID)                                                                                  \
	X(ChainBone, siChainBoneID)                                                                                        \
	X(Kinematics, siKinematicsID)                                                                                      \
	X(Joint, siJointID)                                                                                                \
	X(Constraint, siConstraintID)                                                                                      \
	X(Operator, siOperatorID)                                                                                          \
	X(Context, siContextID)                                                                                            \
	X(PPGEventContext, siPPGEventContextID)                                                                            \
	X(Command, siCommandID)                                                                                            \
	X(PPGItem, siPPGItemID)                                                                                            \
	X(PPGLayout, siPPGLayoutID)                                                                                        \
	X(PluginItem, siPluginItemID)                                                                                      \
	X(PluginRegistrar, siPluginRegistrarID)

// What the other side asked that no member of ours answers: the plug-in's
// call is already ended where it stood, so this ends the run, as a fault does.
[[noreturn]] void Unanswerable(const std::string& what)
{
	throw host_engine::PluginFault("the stand-in's bridge: " + what);
}

[[noreturn]] void UnknownClass(int32_t apiClass)
{
	Unanswerable("no handle class " + std::to_string(apiClass));
}

// Calls `call` with a handle of `apiClass` holding `word`, as a CBase.
template <typename Call> auto WithHandle(int32_t apiClass, bridge_ref word, Call call)
{
	switch (apiClass) {
#define BRIDGE_HANDLE_CASE(C, ID)                                                                                      \
	case ID: {                                                                                                         \
		Adopted<C> handle(word);                                                                                       \
		return call(static_cast<CBase&>(handle));                                                                      \
	}
		BRIDGE_HANDLE_CLASSES(BRIDGE_HANDLE_CASE)
#undef BRIDGE_HANDLE_CASE
	default: UnknownClass(apiClass);
	}
}

// Calls `call` with the handle seen as T, the class whose member it calls.
template <typename T, typename Call> auto On(int32_t apiClass, bridge_ref word, Call call)
{
	static const siClassID kMemberClass = T().GetClassID();
	if (!host_engine::IsKindOf(static_cast<siClassID>(apiClass), kMemberClass)) {
		Unanswerable("a handle of class " + std::to_string(apiClass) + " has no member of class " +
		             std::to_string(kMemberClass));
	}
	return WithHandle(apiClass, word, [&](CBase& handle) { return call(static_cast<T&>(handle)); });
}

// The word of a handle of `apiClass` made from `ref`, bound as that class binds.
bridge_ref BoundWord(int32_t apiClass, const CRef& ref)
{
	switch (apiClass) {
#define BRIDGE_BIND_CASE(C, ID)                                                                                        \
	case ID: return WordOf(C(ref).GetRef());
		BRIDGE_HANDLE_CLASSES(BRIDGE_BIND_CASE)
#undef BRIDGE_BIND_CASE
	default: UnknownClass(apiClass);
	}
}

// A handle the member returned, as its word.
bridge_ref Word(const CBase& handle)
{
	return WordOf(handle.GetRef());
}

// The out-parameter of `outClass` the caller passes as its word, and its word after the call.
template <typename T, typename Call> int32_t WithOut(int32_t outClass, bridge_ref* out, Call call)
{
	return WithHandle(outClass, *out, [&](CBase& handle) {
		CStatus status = call(static_cast<T&>(handle));
		*out = Word(handle);
		return abi_bridge::CodeOf(status);
	});
}

} // namespace

extern "C" {

// ---- Every handle ----

bridge_ref bridge_handle_bind(int32_t api_class, bridge_ref ref)
{
	return Guarded<bridge_ref>(0, [&] { return BoundWord(api_class, RefOf(ref)); });
}

bridge_ref bridge_handle_application(void)
{
	return Guarded<bridge_ref>(0, [] { return Word(Application()); });
}

int32_t bridge_handle_class_id(int32_t api_class, bridge_ref self)
{
	return Guarded<int32_t>(siUnknownClassID, [&] {
		return WithHandle(api_class, self, [](CBase& handle) { return static_cast<int32_t>(handle.GetClassID()); });
	});
}

int bridge_handle_is_a(int32_t api_class, bridge_ref self, int32_t class_id)
{
	return Guarded(0, [&] {
		return WithHandle(api_class, self,
		                  [&](CBase& handle) { return handle.IsA(static_cast<siClassID>(class_id)) ? 1 : 0; });
	});
}

bridge_string* bridge_handle_class_id_name(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_string*>(nullptr, [&] {
		return WithHandle(api_class, self, [](CBase& handle) { return NewString(handle.GetClassIDName()); });
	});
}

int bridge_handle_is_a_ref(int32_t api_class, bridge_ref self, bridge_ref ref)
{
	return Guarded(
	    0, [&] { return WithHandle(api_class, self, [&](CBase& handle) { return handle.IsA(RefOf(ref)) ? 1 : 0; }); });
}

int32_t bridge_handle_set_object(int32_t api_class, bridge_ref* self, bridge_ref ref)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return WithHandle(api_class, *self, [&](CBase& handle) {
			CStatus status = handle.SetObject(RefOf(ref));
			*self = Word(handle);
			return abi_bridge::CodeOf(status);
		});
	});
}

int bridge_handle_is_valid(int32_t api_class, bridge_ref self)
{
	return Guarded(0,
	               [&] { return WithHandle(api_class, self, [](CBase& handle) { return handle.IsValid() ? 1 : 0; }); });
}

bridge_ref bridge_handle_reset_object(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref>(self, [&] {
		return WithHandle(api_class, self, [](CBase& handle) {
			handle.ResetObject();
			return Word(handle);
		});
	});
}

int bridge_handle_compare(int32_t api_class, bridge_ref self, int32_t comparison, int32_t other_class, bridge_ref other)
{
	return Guarded(0, [&] {
		return WithHandle(api_class, self, [&](CBase& handle) {
			return WithHandle(other_class, other, [&](CBase& otherHandle) {
				return abi_bridge::Compared(handle, comparison, otherHandle) ? 1 : 0;
			});
		});
	});
}

// ---- SIObject ----

bridge_string* bridge_siobject_get_name(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_string*>(
	    nullptr, [&] { return On<SIObject>(api_class, self, [](SIObject& o) { return NewString(o.GetName()); }); });
}

int32_t bridge_siobject_put_name(int32_t api_class, bridge_ref self, bridge_string* name, int writable)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<SIObject>(api_class, self, [&](SIObject& o) {
			return abi_bridge::CodeOf(writable ? o.PutName(Of(name))
			                                   : o.PutName(static_cast<const CString&>(Of(name))));
		});
	});
}

bridge_string* bridge_siobject_get_full_name(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_string*>(
	    nullptr, [&] { return On<SIObject>(api_class, self, [](SIObject& o) { return NewString(o.GetFullName()); }); });
}

bridge_ref_array* bridge_siobject_get_nested_objects(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref_array*>(nullptr, [&] {
		return On<SIObject>(api_class, self, [](SIObject& o) { return abi_bridge::NewRefArray(o.GetNestedObjects()); });
	});
}

// ---- Application ----

bridge_ref bridge_application_get_selection(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref>(
	    0, [&] { return On<Application>(api_class, self, [](Application& a) { return Word(a.GetSelection()); }); });
}

bridge_ref bridge_application_get_active_scene_root(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<Application>(api_class, self, [](Application& a) { return Word(a.GetActiveSceneRoot()); });
	});
}

int32_t bridge_application_execute_command(int32_t api_class, bridge_ref self, const bridge_string* name,
                                           bridge_value_array* arguments, int const_arguments, bridge_value* io_value)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<Application>(api_class, self, [&](Application& a) {
			CValueArray& args = Of(arguments);
			return abi_bridge::CodeOf(
			    const_arguments ? a.ExecuteCommand(Of(name), static_cast<const CValueArray&>(args), Of(io_value))
			                    : a.ExecuteCommand(Of(name), args, Of(io_value)));
		});
	});
}

int32_t bridge_application_log_message(int32_t api_class, bridge_ref self, const bridge_string* message,
                                       int32_t severity)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<Application>(api_class, self, [&](Application& a) {
			return abi_bridge::CodeOf(a.LogMessage(Of(message), static_cast<siSeverityType>(severity)));
		});
	});
}

// ---- Selection ----

bridge_ref_array* bridge_selection_get_array(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref_array*>(nullptr, [&] {
		return On<Selection>(api_class, self, [](Selection& s) { return abi_bridge::NewRefArray(s.GetArray()); });
	});
}

int32_t bridge_selection_get_count(int32_t api_class, bridge_ref self)
{
	return Guarded<int32_t>(0, [&] {
		return On<Selection>(api_class, self, [](Selection& s) { return static_cast<int32_t>(s.GetCount()); });
	});
}

// ---- ProjectItem ----

bridge_value* bridge_project_item_get_parameter_value(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                      double time)
{
	return Guarded<bridge_value*>(nullptr, [&] {
		return On<ProjectItem>(
		    api_class, self, [&](ProjectItem& p) { return abi_bridge::NewValue(p.GetParameterValue(Of(name), time)); });
	});
}

int32_t bridge_project_item_put_parameter_number(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                 const bridge_number* value, double time)
{
	// Each through its own overload, as the plug-in called it.
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<ProjectItem>(api_class, self, [&](ProjectItem& p) {
			const CString& parameter = Of(name);
			switch (value->kind) {
			case BRIDGE_BOOL: return abi_bridge::CodeOf(p.PutParameterValue(parameter, value->u.b != 0, time));
			case BRIDGE_DOUBLE: return abi_bridge::CodeOf(p.PutParameterValue(parameter, value->u.d, time));
			case BRIDGE_FLOAT: return abi_bridge::CodeOf(p.PutParameterValue(parameter, value->u.f, time));
			case BRIDGE_SHORT:
				return abi_bridge::CodeOf(p.PutParameterValue(parameter, static_cast<short>(value->u.s), time));
			case BRIDGE_LONG:
				return abi_bridge::CodeOf(p.PutParameterValue(parameter, static_cast<LONG>(value->u.l), time));
			case BRIDGE_LLONG:
				return abi_bridge::CodeOf(p.PutParameterValue(parameter, static_cast<LLONG>(value->u.ll), time));
			default: Unanswerable("PutParameterValue has no overload of number kind " + std::to_string(value->kind));
			}
		});
	});
}

int32_t bridge_project_item_put_parameter_value(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                const bridge_value* value, double time)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<ProjectItem>(api_class, self, [&](ProjectItem& p) {
			return abi_bridge::CodeOf(p.PutParameterValue(Of(name), Of(value), time));
		});
	});
}

int32_t bridge_project_item_put_parameter_ref(int32_t api_class, bridge_ref self, const bridge_string* name,
                                              bridge_ref value, double time)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<ProjectItem>(api_class, self, [&](ProjectItem& p) {
			return abi_bridge::CodeOf(p.PutParameterValue(Of(name), RefOf(value), time));
		});
	});
}

int32_t bridge_project_item_put_parameter_string(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                 const bridge_string* value, double time)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<ProjectItem>(api_class, self, [&](ProjectItem& p) {
			return abi_bridge::CodeOf(p.PutParameterValue(Of(name), Of(value), time));
		});
	});
}

bridge_ref bridge_project_item_get_parameter(int32_t api_class, bridge_ref self, const bridge_string* name)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<ProjectItem>(api_class, self, [&](ProjectItem& p) { return Word(p.GetParameter(Of(name))); });
	});
}

// ---- SceneItem, X3DObject, Kinematics, ChainBone ----

bridge_ref bridge_scene_item_add_property(int32_t api_class, bridge_ref self, const bridge_string* preset, int branch,
                                          const bridge_string* name)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<SceneItem>(api_class, self,
		                     [&](SceneItem& s) { return Word(s.AddProperty(Of(preset), branch != 0, Of(name))); });
	});
}

int32_t bridge_scene_item_add_property_out(int32_t api_class, bridge_ref self, const bridge_string* preset, int branch,
                                           const bridge_string* name, int32_t out_class, bridge_ref* out)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<SceneItem>(api_class, self, [&](SceneItem& s) {
			return WithOut<Property>(out_class, out, [&](Property& property) {
				return s.AddProperty(Of(preset), branch != 0, Of(name), property);
			});
		});
	});
}

int32_t bridge_scene_item_add_custom_property(int32_t api_class, bridge_ref self, const bridge_string* name, int branch,
                                              int32_t out_class, bridge_ref* out)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<SceneItem>(api_class, self, [&](SceneItem& s) {
			return WithOut<CustomProperty>(out_class, out, [&](CustomProperty& property) {
				return s.AddCustomProperty(Of(name), branch != 0, property);
			});
		});
	});
}

bridge_ref_array* bridge_scene_item_get_properties(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref_array*>(nullptr, [&] {
		return On<SceneItem>(api_class, self, [](SceneItem& s) { return abi_bridge::NewRefArray(s.GetProperties()); });
	});
}

bridge_ref bridge_x3dobject_get_kinematics(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref>(
	    0, [&] { return On<X3DObject>(api_class, self, [](X3DObject& o) { return Word(o.GetKinematics()); }); });
}

bridge_ref_array* bridge_kinematics_get_constraints(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref_array*>(nullptr, [&] {
		return On<Kinematics>(api_class, self,
		                      [](Kinematics& k) { return abi_bridge::NewRefArray(k.GetConstraints()); });
	});
}

bridge_ref bridge_chain_bone_get_joint(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref>(
	    0, [&] { return On<ChainBone>(api_class, self, [](ChainBone& b) { return Word(b.GetJoint()); }); });
}

// ---- CustomProperty ----

int32_t bridge_custom_property_add_parameter(int32_t api_class, bridge_ref self, const bridge_string* script_name,
                                             int32_t type, int has_classification, int32_t classification,
                                             int32_t capabilities, const bridge_string* name,
                                             const bridge_string* description, const bridge_value* default_value,
                                             const bridge_value* min, const bridge_value* max,
                                             const bridge_value* suggested_min, const bridge_value* suggested_max,
                                             int32_t parameter_class, bridge_ref* parameter)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<CustomProperty>(api_class, self, [&](CustomProperty& c) {
			CValue::DataType dataType = static_cast<CValue::DataType>(type);
			return WithOut<Parameter>(parameter_class, parameter, [&](Parameter& out) {
				if (has_classification) {
					return c.AddParameter(Of(script_name), dataType, static_cast<siParamClassification>(classification),
					                      capabilities, Of(name), Of(description), Of(default_value), Of(min), Of(max),
					                      Of(suggested_min), Of(suggested_max), out);
				}
				if (min != nullptr) {
					return c.AddParameter(Of(script_name), dataType, capabilities, Of(name), Of(description),
					                      Of(default_value), Of(min), Of(max), Of(suggested_min), Of(suggested_max),
					                      out);
				}
				return c.AddParameter(Of(script_name), dataType, capabilities, Of(name), Of(description),
				                      Of(default_value), out);
			});
		});
	});
}

// ---- Command, Context, PPGEventContext ----

int32_t bridge_command_enable_return_value(int32_t api_class, bridge_ref self, int enable)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<Command>(api_class, self,
		                   [&](Command& c) { return abi_bridge::CodeOf(c.EnableReturnValue(enable != 0)); });
	});
}

int bridge_command_is_return_value_enabled(int32_t api_class, bridge_ref self)
{
	return Guarded(
	    0, [&] { return On<Command>(api_class, self, [](Command& c) { return c.IsReturnValueEnabled() ? 1 : 0; }); });
}

bridge_ref bridge_context_get_source(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref>(
	    0, [&] { return On<Context>(api_class, self, [](Context& c) { return WordOf(c.GetSource()); }); });
}

bridge_value* bridge_context_get_attribute(int32_t api_class, bridge_ref self, const bridge_string* name)
{
	return Guarded<bridge_value*>(nullptr, [&] {
		return On<Context>(api_class, self, [&](Context& c) { return abi_bridge::NewValue(c.GetAttribute(Of(name))); });
	});
}

int32_t bridge_context_put_attribute(int32_t api_class, bridge_ref self, const bridge_string* name,
                                     const bridge_value* value)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<Context>(api_class, self,
		                   [&](Context& c) { return abi_bridge::CodeOf(c.PutAttribute(Of(name), Of(value))); });
	});
}

int32_t bridge_ppg_event_context_get_event_id(int32_t api_class, bridge_ref self)
{
	return Guarded<int32_t>(PPGEventContext::siUndefined, [&] {
		return On<PPGEventContext>(api_class, self,
		                           [](PPGEventContext& e) { return static_cast<int32_t>(e.GetEventID()); });
	});
}

// ---- PPGLayout ----

int32_t bridge_ppg_layout_clear(int32_t api_class, bridge_ref self)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<PPGLayout>(api_class, self, [](PPGLayout& l) { return abi_bridge::CodeOf(l.Clear()); });
	});
}

int32_t bridge_ppg_layout_add_row(int32_t api_class, bridge_ref self)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<PPGLayout>(api_class, self, [](PPGLayout& l) { return abi_bridge::CodeOf(l.AddRow()); });
	});
}

int32_t bridge_ppg_layout_end_row(int32_t api_class, bridge_ref self)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<PPGLayout>(api_class, self, [](PPGLayout& l) { return abi_bridge::CodeOf(l.EndRow()); });
	});
}

bridge_ref bridge_ppg_layout_add_button(int32_t api_class, bridge_ref self, const bridge_string* script_name,
                                        const bridge_string* label)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<PPGLayout>(api_class, self,
		                     [&](PPGLayout& l) { return Word(l.AddButton(Of(script_name), Of(label))); });
	});
}

bridge_ref bridge_ppg_layout_add_group(int32_t api_class, bridge_ref self, const bridge_string* label, int show_frame,
                                       int32_t width_percentage)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<PPGLayout>(api_class, self, [&](PPGLayout& l) {
			return Word(l.AddGroup(Of(label), show_frame != 0, static_cast<LONG>(width_percentage)));
		});
	});
}

bridge_ref bridge_ppg_layout_add_item(int32_t api_class, bridge_ref self, const bridge_string* parameter,
                                      const bridge_string* label, const bridge_string* type)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<PPGLayout>(api_class, self,
		                     [&](PPGLayout& l) { return Word(l.AddItem(Of(parameter), Of(label), Of(type))); });
	});
}

bridge_ref bridge_ppg_layout_end_group(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_ref>(
	    0, [&] { return On<PPGLayout>(api_class, self, [](PPGLayout& l) { return Word(l.EndGroup()); }); });
}

// ---- PluginRegistrar ----

int32_t bridge_plugin_registrar_put_author(int32_t api_class, bridge_ref self, const bridge_string* author)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<PluginRegistrar>(api_class, self,
		                           [&](PluginRegistrar& r) { return abi_bridge::CodeOf(r.PutAuthor(Of(author))); });
	});
}

int32_t bridge_plugin_registrar_put_version(int32_t api_class, bridge_ref self, int32_t major, int32_t minor)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<PluginRegistrar>(api_class, self, [&](PluginRegistrar& r) {
			return abi_bridge::CodeOf(r.PutVersion(static_cast<LONG>(major), static_cast<LONG>(minor)));
		});
	});
}

bridge_ref bridge_plugin_registrar_register_command(int32_t api_class, bridge_ref self, const bridge_string* name,
                                                    const bridge_string* script_name)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<PluginRegistrar>(api_class, self, [&](PluginRegistrar& r) {
			return Word(script_name ? r.RegisterCommand(Of(name), Of(script_name)) : r.RegisterCommand(Of(name)));
		});
	});
}

bridge_ref bridge_plugin_registrar_register_property(int32_t api_class, bridge_ref self, const bridge_string* name)
{
	return Guarded<bridge_ref>(0, [&] {
		return On<PluginRegistrar>(api_class, self,
		                           [&](PluginRegistrar& r) { return Word(r.RegisterProperty(Of(name))); });
	});
}

int32_t bridge_plugin_registrar_get_version(int32_t api_class, bridge_ref self, int32_t* major, int32_t* minor)
{
	return Guarded(abi_bridge::kFailCode, [&] {
		return On<PluginRegistrar>(api_class, self, [&](PluginRegistrar& r) {
			LONG gotMajor = static_cast<LONG>(*major);
			LONG gotMinor = static_cast<LONG>(*minor);
			CStatus status = r.GetVersion(gotMajor, gotMinor);
			*major = static_cast<int32_t>(gotMajor);
			*minor = static_cast<int32_t>(gotMinor);
			return abi_bridge::CodeOf(status);
		});
	});
}

bridge_string* bridge_plugin_registrar_get_author(int32_t api_class, bridge_ref self)
{
	return Guarded<bridge_string*>(nullptr, [&] {
		return On<PluginRegistrar>(api_class, self, [](PluginRegistrar& r) { return NewString(r.GetAuthor()); });
	});
}

} // extern "C"
