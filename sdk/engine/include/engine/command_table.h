// The host's commands by name: finding one, running it as its caller, and
// making one undo step of a top-level run with every command it ran inside.
#ifndef HOST_ENGINE_COMMAND_TABLE_H
#define HOST_ENGINE_COMMAND_TABLE_H

#include "engine/command_handler.h"

#include <xsi_status.h>
#include <xsi_value.h>

#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace host_engine {

class ApiCaller;
class UndoStack;
struct HostFaults;

class CommandTable
{
public:
	// The parts a run touches; `faults` for the hook that runs before each command.
	CommandTable(UndoStack& undo, ApiCaller& caller, HostFaults& faults)
	    : m_undo(undo), m_caller(caller), m_faults(faults)
	{
	}
	CommandTable(const CommandTable&) = delete;
	CommandTable& operator=(const CommandTable&) = delete;

	// A built-in command runs as the host; any other as whoever called it.
	void Register(const std::wstring& name, CommandHandler handler, bool builtIn = false);
	void Unregister(const std::wstring& name);
	bool Has(const std::wstring& name) const { return m_commands.count(name) != 0; }
	// Fails, running nothing, for a name nobody registered.
	XSI::CStatus Execute(std::wstring_view name, XSI::CValueArray& args, XSI::CValue& ioValue);
	// Commands running now, the outermost counted: 0 between runs.
	int Depth() const { return m_depth; }

private:
	struct Entry {
		CommandHandler handler;
		bool builtIn = false;
	};

	Entry* Find(std::wstring_view name);

	UndoStack& m_undo;
	ApiCaller& m_caller;
	HostFaults& m_faults;
	std::map<std::wstring, Entry, std::less<>> m_commands;
	// The command found last: a pass runs the same one a million times.
	const std::wstring* m_lastName = nullptr;
	Entry* m_last = nullptr;
	int m_depth = 0;
};

} // namespace host_engine

#endif
