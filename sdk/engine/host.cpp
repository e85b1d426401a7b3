#include "engine/host.h"

#include "command_table.h"
#include "undo_stack.h"

namespace host_engine {

Host::Host()
    : m_scene(m_readings), m_undo(new UndoStack(m_scene.Objects())),
      m_commands(new CommandTable(*this, *m_undo, m_caller, m_faults))
{
}

Host::~Host() = default;

void Host::ResetScene()
{
	m_undo->Clear();
	m_history.Clear(); // before the scene's names are compacted: it holds name ids
	m_scene.Reset();
	m_log.Clear();
}

void Host::RegisterCommand(const std::wstring& name, CommandHandler handler)
{
	m_commands->Register(name, std::move(handler));
}

void Host::UnregisterCommand(const std::wstring& name)
{
	m_commands->Unregister(name);
}

bool Host::HasCommand(const std::wstring& name) const
{
	return m_commands->Has(name);
}

XSI::CStatus Host::ExecuteCommand(std::wstring_view name, XSI::CValueArray& args, XSI::CValue& ioValue)
{
	return m_commands->Execute(name, args, ioValue);
}

bool Host::Undo()
{
	return m_undo->Undo();
}

size_t Host::UndoDepth() const
{
	return m_undo->Depth();
}

} // namespace host_engine
