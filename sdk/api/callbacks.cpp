// What plug-in callbacks receive: contexts, page event contexts, commands.
#include "journal_call.h"
#include "engine/callback_arguments.h"
#include "engine/current_host.h"

#include <xsi_command.h>
#include <xsi_context.h>
#include <xsi_ppgeventcontext.h>

namespace XSI {

namespace {

host_engine::ObjectTable& Objects()
{
	return host_engine::CurrentHost().Scene().Objects();
}

uint32_t SlotOf(const CRef& ref)
{
	return host_engine::CurrentHost().Scene().SlotOf(ref);
}

} // namespace

CRef Context::GetSource() const
{
	JournalCall journal("Context.GetSource", *this);
	return host_engine::Scene::RefOf(host_engine::ContextSource(Objects(), SlotOf(GetRef())));
}

CValue Context::GetAttribute(const CString& in_AttributeName)
{
	JournalCall journal("Context.GetAttribute", *this, in_AttributeName);
	return host_engine::ContextAttribute(Objects(), SlotOf(GetRef()), in_AttributeName.GetWideString());
}

CStatus Context::PutAttribute(const CString& in_AttributeName, const CValue& in_value)
{
	JournalCall journal("Context.PutAttribute", *this, in_AttributeName, in_value);
	return host_engine::PutContextAttribute(Objects(), SlotOf(GetRef()), in_AttributeName.GetWideString(), in_value)
	           ? CStatus::OK
	           : CStatus::Fail;
}

PPGEventContext::PPGEvent PPGEventContext::GetEventID() const
{
	JournalCall journal("PPGEventContext.GetEventID", *this);
	return static_cast<PPGEvent>(host_engine::ContextEventId(Objects(), SlotOf(GetRef())));
}

CStatus Command::EnableReturnValue(bool in_bEnable)
{
	JournalCall journal("Command.EnableReturnValue", *this, in_bEnable);
	return host_engine::EnableCommandReturnValue(Objects(), SlotOf(GetRef()), in_bEnable) ? CStatus::OK : CStatus::Fail;
}

bool Command::IsReturnValueEnabled()
{
	JournalCall journal("Command.IsReturnValueEnabled", *this);
	return host_engine::CommandReturnsValue(Objects(), SlotOf(GetRef()));
}

} // namespace XSI
