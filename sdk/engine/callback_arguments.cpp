// Contexts and commands the host makes for a plug-in's callbacks, and what the object API reads and sets on them.
#include "engine/callback_arguments.h"

#include "node_data.h"

namespace host_engine {

Handle CreateContext(ObjectTable& objects, XSI::siClassID contextClass, const Handle& source, int eventId)
{
	Handle context = objects.Create(contextClass, L"", kNoSlot);
	std::unique_ptr<ContextData> data(new ContextData);
	data->source = source;
	data->eventId = eventId;
	objects.SetData(context.slot, std::move(data));
	return context;
}

Handle CreateCommand(ObjectTable& objects, std::wstring_view scriptName)
{
	Handle command = objects.Create(XSI::siCommandID, scriptName, kNoSlot);
	objects.SetData(command.slot, std::unique_ptr<NodeData>(new CommandData));
	return command;
}

Handle ContextSource(const ObjectTable& objects, uint32_t context)
{
	const ContextData* data = DataOf<ContextData>(objects, context);
	return data ? data->source : Handle();
}

int ContextEventId(const ObjectTable& objects, uint32_t context)
{
	const ContextData* data = DataOf<ContextData>(objects, context);
	return data ? data->eventId : 0;
}

XSI::CValue ContextAttribute(const ObjectTable& objects, uint32_t context, const std::wstring& name)
{
	const ContextData* data = DataOf<ContextData>(objects, context);
	if (data == nullptr) {
		return XSI::CValue();
	}
	auto found = data->attributes.find(name);
	return found == data->attributes.end() ? XSI::CValue() : found->second;
}

bool PutContextAttribute(ObjectTable& objects, uint32_t context, const std::wstring& name, const XSI::CValue& value)
{
	ContextData* data = DataOf<ContextData>(objects, context);
	if (data == nullptr) {
		return false;
	}
	data->attributes[name] = value;
	return true;
}

bool CommandReturnsValue(const ObjectTable& objects, uint32_t command)
{
	const CommandData* data = DataOf<CommandData>(objects, command);
	return data != nullptr && data->returnValueEnabled;
}

bool EnableCommandReturnValue(ObjectTable& objects, uint32_t command, bool enable)
{
	CommandData* data = DataOf<CommandData>(objects, command);
	if (data == nullptr) {
		return false;
	}
	data->returnValueEnabled = enable;
	return true;
}

} // namespace host_engine
