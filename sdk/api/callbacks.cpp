// What plug-in callbacks receive: contexts, page event contexts, commands.
#include "journal_call.h"
#include "engine/current_host.h"
#include "node_data.h"

#include <xsi_command.h>
#include <xsi_context.h>
#include <xsi_ppgeventcontext.h>

namespace XSI {

namespace {

template <typename T> T* DataBehind(const CRef& ref)
{
	host_engine::Host& host = host_engine::CurrentHost();
	return host_engine::DataOf<T>(host.Scene().Objects(), host.Scene().SlotOf(ref));
}

} // namespace

CRef Context::GetSource() const
{
	JournalCall journal("Context.GetSource", *this);
	host_engine::ContextData* data = DataBehind<host_engine::ContextData>(GetRef());
	return data ? host_engine::CurrentHost().Scene().RefOf(data->source) : CRef();
}

CValue Context::GetAttribute(const CString& in_AttributeName)
{
	JournalCall journal("Context.GetAttribute", *this, in_AttributeName);
	host_engine::ContextData* data = DataBehind<host_engine::ContextData>(GetRef());
	if (data == nullptr) {
		return CValue();
	}
	auto found = data->attributes.find(in_AttributeName.GetWideString());
	return found == data->attributes.end() ? CValue() : found->second;
}

CStatus Context::PutAttribute(const CString& in_AttributeName, const CValue& in_value)
{
	JournalCall journal("Context.PutAttribute", *this, in_AttributeName, in_value);
	host_engine::ContextData* data = DataBehind<host_engine::ContextData>(GetRef());
	if (data == nullptr) {
		return CStatus::Fail;
	}
	data->attributes[in_AttributeName.GetWideString()] = in_value;
	return CStatus::OK;
}

PPGEventContext::PPGEvent PPGEventContext::GetEventID() const
{
	JournalCall journal("PPGEventContext.GetEventID", *this);
	host_engine::ContextData* data = DataBehind<host_engine::ContextData>(GetRef());
	return data ? static_cast<PPGEvent>(data->eventId) : siUndefined;
}

CStatus Command::EnableReturnValue(bool in_bEnable)
{
	JournalCall journal("Command.EnableReturnValue", *this, in_bEnable);
	host_engine::CommandData* data = DataBehind<host_engine::CommandData>(GetRef());
	if (data == nullptr) {
		return CStatus::Fail;
	}
	data->returnValueEnabled = in_bEnable;
	return CStatus::OK;
}

bool Command::IsReturnValueEnabled()
{
	JournalCall journal("Command.IsReturnValueEnabled", *this);
	host_engine::CommandData* data = DataBehind<host_engine::CommandData>(GetRef());
	return data != nullptr && data->returnValueEnabled;
}

} // namespace XSI
