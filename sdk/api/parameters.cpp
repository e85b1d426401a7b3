// Parameters: reading and writing them on any project item, adding them to custom properties.
#include "journal_call.h"
#include "engine/current_host.h"
#include "engine/item_parameters.h"

#include <xsi_customproperty.h>
#include <xsi_projectitem.h>

namespace XSI {

namespace {

// The parameter of `owner` named `scriptName` in the host's object table, or kNoSlot.
uint32_t ParameterSlot(const CRef& owner, const CString& scriptName)
{
	host_engine::Scene& scene = host_engine::CurrentHost().Scene();
	return host_engine::FindParameter(scene.Objects(), scene.SlotOf(owner),
	                                  std::wstring_view(scriptName.GetWideString(), scriptName.Length()));
}

CStatus PutValue(const CRef& owner, const CString& name, const CValue& value)
{
	host_engine::ObjectTable& objects = host_engine::CurrentHost().Scene().Objects();
	return host_engine::PutParameterValue(objects, ParameterSlot(owner, name), value) ? CStatus::OK
	                                                                                  : CStatus::MemberNotFound;
}

} // namespace

// The time argument is accepted and ignored: parameters here are not animated.
CValue ProjectItem::GetParameterValue(const CString& in_scriptname, double in_time) const
{
	JournalCall journal("ProjectItem.GetParameterValue", *this, in_scriptname, in_time);
	return host_engine::ParameterValue(host_engine::CurrentHost().Scene().Objects(),
	                                   ParameterSlot(GetRef(), in_scriptname));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, bool in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, in_val, in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, double in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, in_val, in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, float in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, static_cast<double>(in_val), in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, short in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, static_cast<long>(in_val), in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, LONG in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, static_cast<long>(in_val), in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, LLONG in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, static_cast<long>(in_val), in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, const CValue& in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, in_val, in_time);
	return PutValue(GetRef(), in_scriptname, in_val);
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, const CRef& in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, in_val, in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

CStatus ProjectItem::PutParameterValue(const CString& in_scriptname, const CString& in_val, double in_time)
{
	JournalCall journal("ProjectItem.PutParameterValue", *this, in_scriptname, in_val, in_time);
	return PutValue(GetRef(), in_scriptname, CValue(in_val));
}

Parameter ProjectItem::GetParameter(const CString& in_scriptname) const
{
	JournalCall journal("ProjectItem.GetParameter", *this, in_scriptname);
	return Parameter(host_engine::CurrentHost().Scene().RefOf(ParameterSlot(GetRef(), in_scriptname)));
}

CStatus CustomProperty::AddParameter(const CString& in_scriptname, CValue::DataType in_type,
                                     siParamClassification in_classification, INT in_capabilities,
                                     const CString& in_name, const CString& in_description, const CValue& in_default,
                                     const CValue& in_min, const CValue& in_max, const CValue& in_suggestedmin,
                                     const CValue& in_suggestedmax, Parameter& io_parameter)
{
	JournalCall journal("CustomProperty.AddParameter", *this, in_scriptname, static_cast<int>(in_type),
	                    static_cast<int>(in_classification), in_capabilities, in_name, in_description, in_default,
	                    in_min, in_max, in_suggestedmin, in_suggestedmax);
	host_engine::ParameterDefinition definition;
	definition.type = in_type;
	definition.capabilities = in_capabilities;
	definition.displayName = in_name.GetWideString();
	definition.description = in_description.GetWideString();
	definition.defaultValue = in_default;
	host_engine::Scene& scene = host_engine::CurrentHost().Scene();
	host_engine::Handle parameter =
	    host_engine::AddParameter(scene.Objects(), scene.SlotOf(GetRef()),
	                              std::wstring_view(in_scriptname.GetWideString(), in_scriptname.Length()), definition);
	io_parameter = scene.RefOf(parameter);
	return parameter.slot == host_engine::kNoSlot ? CStatus::InvalidArgument : CStatus::OK;
}

CStatus CustomProperty::AddParameter(const CString& in_scriptname, CValue::DataType in_type, INT in_capabilities,
                                     const CString& in_name, const CString& in_description, const CValue& in_default,
                                     const CValue& in_min, const CValue& in_max, const CValue& in_suggestedmin,
                                     const CValue& in_suggestedmax, Parameter& io_parameter)
{
	JournalCall journal("CustomProperty.AddParameter", *this, in_scriptname, static_cast<int>(in_type), in_capabilities,
	                    in_name, in_description, in_default, in_min, in_max, in_suggestedmin, in_suggestedmax);
	return AddParameter(in_scriptname, in_type, siClassifUnknown, in_capabilities, in_name, in_description, in_default,
	                    in_min, in_max, in_suggestedmin, in_suggestedmax, io_parameter);
}

CStatus CustomProperty::AddParameter(const CString& in_scriptname, CValue::DataType in_type, INT in_capabilities,
                                     const CString& in_name, const CString& in_description, const CValue& in_default,
                                     Parameter& io_parameter)
{
	JournalCall journal("CustomProperty.AddParameter", *this, in_scriptname, static_cast<int>(in_type), in_capabilities,
	                    in_name, in_description, in_default);
	CValue none;
	return AddParameter(in_scriptname, in_type, siClassifUnknown, in_capabilities, in_name, in_description, in_default,
	                    none, none, none, none, io_parameter);
}

} // namespace XSI
