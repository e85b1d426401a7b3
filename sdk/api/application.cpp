// Application: the scene root, the selection, the log, and running commands by name.
#include "journal_call.h"
#include "engine/current_host.h"

#include <xsi_application.h>
#include <xsi_model.h>
#include <xsi_selection.h>

namespace XSI {

Selection Application::GetSelection() const
{
	JournalCall journal("Application.GetSelection", *this);
	if (!IsValid()) {
		return Selection();
	}
	host_engine::Host& host = host_engine::CurrentHost();
	return Selection(host.Scene().RefOf(host.Scene().SelectionSlot()));
}

Model Application::GetActiveSceneRoot() const
{
	JournalCall journal("Application.GetActiveSceneRoot", *this);
	if (!IsValid()) {
		return Model();
	}
	host_engine::Host& host = host_engine::CurrentHost();
	return Model(host.Scene().RefOf(host.Scene().RootSlot()));
}

CStatus Application::ExecuteCommand(const CString& in_name, CValueArray& in_args, CValue& io_val) const
{
	JournalCall journal("Application.ExecuteCommand", in_name, in_args);
	if (!IsValid()) {
		return CStatus::Fail;
	}
	return host_engine::CurrentHost().Commands().Execute(std::wstring_view(in_name.GetWideString(), in_name.Length()),
	                                                     in_args, io_val);
}

CStatus Application::ExecuteCommand(const CString& in_name, const CValueArray& in_args, CValue& io_val) const
{
	// The older overload cannot write back output arguments: run on a copy.
	CValueArray args(in_args);
	return ExecuteCommand(in_name, args, io_val);
}

CStatus Application::LogMessage(const CString& in_Message, siSeverityType in_Sev) const
{
	JournalCall journal("Application.LogMessage", *this, in_Message, static_cast<int>(in_Sev));
	if (!IsValid()) {
		return CStatus::Fail;
	}
	host_engine::CurrentHost().Log().Add(in_Message.GetWideString(), static_cast<int>(in_Sev));
	return CStatus::OK;
}

} // namespace XSI
