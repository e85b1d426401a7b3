// Parameters as the host keeps them: the one place a script name finds a parameter and a value is written in its type.
#include "engine/item_parameters.h"

#include "node_data.h"

namespace host_engine {

namespace {

ParameterData* ParameterAt(const ObjectTable& objects, uint32_t parameter)
{
	if (parameter == kNoSlot || objects.At(parameter).classId != XSI::siParameterID) {
		return nullptr;
	}
	return DataOf<ParameterData>(objects, parameter);
}

} // namespace

std::vector<uint32_t> ParametersOf(const ObjectTable& objects, uint32_t owner)
{
	std::vector<uint32_t> parameters;
	if (owner == kNoSlot) {
		return parameters;
	}
	for (uint32_t child = objects.At(owner).firstChild; child != kNoSlot; child = objects.At(child).nextSibling) {
		if (objects.At(child).classId == XSI::siParameterID) {
			parameters.push_back(child);
		}
	}
	return parameters;
}

uint32_t FindParameter(const ObjectTable& objects, uint32_t owner, std::wstring_view scriptName)
{
	if (owner == kNoSlot) {
		return kNoSlot;
	}
	for (uint32_t child = objects.At(owner).firstChild; child != kNoSlot; child = objects.At(child).nextSibling) {
		if (objects.At(child).classId == XSI::siParameterID && objects.Name(child) == scriptName) {
			return child;
		}
	}
	return kNoSlot;
}

XSI::CValue ParameterValue(const ObjectTable& objects, uint32_t parameter)
{
	const ParameterData* data = ParameterAt(objects, parameter);
	return data ? data->value : XSI::CValue();
}

bool PutParameterValue(ObjectTable& objects, uint32_t parameter, const XSI::CValue& value)
{
	ParameterData* data = ParameterAt(objects, parameter);
	if (data == nullptr) {
		return false;
	}
	data->value.ChangeType(data->type, &value);
	return true;
}

Handle AddParameter(ObjectTable& objects, uint32_t property, std::wstring_view scriptName,
                    const ParameterDefinition& definition)
{
	if (property == kNoSlot || scriptName.empty() || FindParameter(objects, property, scriptName) != kNoSlot) {
		return Handle();
	}
	Handle parameter = objects.Create(XSI::siParameterID, scriptName, property);
	std::unique_ptr<ParameterData> data(new ParameterData);
	data->type = definition.type;
	data->capabilities = definition.capabilities;
	data->displayName = definition.displayName;
	data->description = definition.description;
	data->defaultValue.ChangeType(definition.type, &definition.defaultValue);
	data->value = data->defaultValue;
	objects.SetData(parameter.slot, std::move(data));
	return parameter;
}

} // namespace host_engine
