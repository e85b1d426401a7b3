// A project item's parameters as the host keeps them: found by script name, written in their own type.
#ifndef HOST_ENGINE_ITEM_PARAMETERS_H
#define HOST_ENGINE_ITEM_PARAMETERS_H

#include "engine/object_table.h"

#include <xsi_value.h>

#include <string>
#include <string_view>
#include <vector>

namespace host_engine {

// What a parameter is made with; its value starts as its default, in its type.
struct ParameterDefinition {
	XSI::CValue::DataType type = XSI::CValue::siEmpty;
	int capabilities = 0;
	std::wstring displayName;
	std::wstring description;
	XSI::CValue defaultValue;
};

// The parameters of `owner`, in the order they were added.
std::vector<uint32_t> ParametersOf(const ObjectTable& objects, uint32_t owner);

// The parameter of `owner` whose script name is `scriptName`, or kNoSlot.
// Only parameters answer: another child that carries the name (a nested
// object, a property) is not one, and does not hide the parameter.
uint32_t FindParameter(const ObjectTable& objects, uint32_t owner, std::wstring_view scriptName);

// The parameter's value; empty when `parameter` is not a parameter.
XSI::CValue ParameterValue(const ObjectTable& objects, uint32_t parameter);

// Writes `value` converted to the parameter's own type, as the host keeps
// it; false, and nothing written, when `parameter` is not a parameter.
bool PutParameterValue(ObjectTable& objects, uint32_t parameter, const XSI::CValue& value);

// A new parameter at the end of `property`'s. Script names identify
// parameters: an invalid handle, and nothing made, when the name is empty or
// another parameter of the property has it, or the property is gone.
Handle AddParameter(ObjectTable& objects, uint32_t property, std::wstring_view scriptName,
                    const ParameterDefinition& definition);

} // namespace host_engine

#endif
