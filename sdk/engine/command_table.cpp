#include "engine/command_table.h"

#include "engine/api_caller.h"
#include "engine/host_faults.h"
#include "engine/undo_stack.h"

namespace host_engine {

void CommandTable::Register(const std::wstring& name, CommandHandler handler, bool builtIn)
{
	Entry& entry = m_commands[name];
	entry.handler = std::move(handler);
	entry.builtIn = builtIn;
	m_last = nullptr;
}

void CommandTable::Unregister(const std::wstring& name)
{
	m_commands.erase(name);
	m_last = nullptr;
}

CommandTable::Entry* CommandTable::Find(std::wstring_view name)
{
	if (m_last == nullptr || name != *m_lastName) {
		auto found = m_commands.find(name);
		if (found == m_commands.end()) {
			return nullptr;
		}
		m_lastName = &found->first;
		m_last = &found->second;
	}
	return m_last;
}

XSI::CStatus CommandTable::Execute(std::wstring_view name, XSI::CValueArray& args, XSI::CValue& ioValue)
{
	Entry* command = Find(name);
	if (command == nullptr) {
		return XSI::CStatus::Fail;
	}
	if (m_faults.beforeCommand) {
		m_faults.beforeCommand(name);
	}
	// The step closes however the command ends: a plug-in's fault goes on
	// through it, and the host lives on to report it.
	struct Nesting {
		CommandTable& table;
		explicit Nesting(CommandTable& t) : table(t)
		{
			if (table.m_depth++ == 0) {
				table.m_undo.OpenStep();
			}
		}
		~Nesting()
		{
			if (--table.m_depth == 0) {
				table.m_undo.CloseStep();
			}
		}
	} nesting(*this);
	if (command->builtIn) {
		CallerScope scope(m_caller, ApiCaller::Kind::Host); // the host's own work, not the plug-in's
		return command->handler(args, ioValue);             // never unregistered while it runs
	}
	// Copied: a plug-in command may unload its own plug-in while it runs.
	CommandHandler handler = command->handler;
	return handler(args, ioValue);
}

} // namespace host_engine
