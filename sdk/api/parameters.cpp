// Parameters: reading and writing them on any project item, adding them to custom properties.
#include "journal_call.h"
#include "engine/current_host.h"
#include "node_data.h"

#include <xsi_customproperty.h>
#include <xsi_projectitem.h>

namespace XSI {

namespace {

host_engine::ParameterData* FindParameter(const CRef& owner, const CString& name, uint32_t* slot = nullptr)
{
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t ownerSlot = host.Scene().SlotOf(owner);
	if (ownerSlot == host_engine::kNoSlot) {
		return nullptr;
	}
	host_engine::ObjectTable& objects = host.Scene().Objects();
	uint32_t found = objects.FindChild(ownerSlot, name.GetWideString());
	if (found == host_engine::kNoSlot || objects.At(found).classId != siParameterID) {
		return nullptr;
	}
	if (slot) {
		*slot = found;
	}
	return host_engine::DataOf<host_engine::ParameterData>(objects, found);
}

CStatus PutValue(const CRef& owner, const CString& name, const CValue& value)
{
	host_engine::ParameterData* data = FindParameter(owner, name);
	if (data == nullptr) {
		return CStatus::MemberNotFound;
	}
	data->value.ChangeType(data->type, &value);
	return CStatus::OK;
}

} // namespace

// The time argument is accepted and ignored: parameters here are not animated.
CValue ProjectItem::GetParameterValue(const CString& in_scriptname, double in_time) const
{
	JournalCall journal("ProjectItem.GetParameterValue", *this, in_scriptname, in_time);
	host_engine::ParameterData* data = FindParameter(GetRef(), in_scriptname);
	return data ? data->value : CValue();
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
	uint32_t slot = host_engine::kNoSlot;
	FindParameter(GetRef(), in_scriptname, &slot);
	return Parameter(host_engine::CurrentHost().Scene().RefOf(slot));
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
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t propertySlot = host.Scene().SlotOf(GetRef());
	if (propertySlot == host_engine::kNoSlot || in_scriptname.IsEmpty()) {
		io_parameter = CRef();
		return CStatus::InvalidArgument;
	}
	host_engine::ObjectTable& objects = host.Scene().Objects();
	if (objects.FindChild(propertySlot, in_scriptname.GetWideString()) != host_engine::kNoSlot) {
		io_parameter = CRef();
		return CStatus::InvalidArgument; // script names identify parameters
	}
	uint32_t slot = objects.Create(siParameterID, in_scriptname.GetWideString(), propertySlot).slot;
	host_engine::ParameterData* data = new host_engine::ParameterData;
	data->type = in_type;
	data->capabilities = in_capabilities;
	data->displayName = in_name.GetWideString();
	data->description = in_description.GetWideString();
	data->defaultValue.ChangeType(in_type, &in_default);
	data->value = data->defaultValue;
	objects.SetData(slot, std::unique_ptr<host_engine::NodeData>(data));
	io_parameter = host.Scene().RefOf(slot);
	return CStatus::OK;
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
