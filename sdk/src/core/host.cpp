#include "core/host.h"

#include "core/builtin_commands.h"
#include "core/plugin_host.h"

namespace host_core {

Host* Host::s_current = nullptr;

Host& Host::MakeCurrent()
{
	static Host host;
	s_current = &host;
	return host;
}

Host::Host() : m_plugins(new PluginHost(*this))
{
	m_application = m_objects.Create(XSI::siApplicationID, L"Application", kNoSlot).slot;
	m_selectionObject = m_objects.Create(XSI::siSelectionID, L"Selection", kNoSlot).slot;
	ResetScene();
	RegisterBuiltInCommands(*this);
}

Host::~Host()
{
	// Plug-ins go first: their unload callbacks may still reach the host.
	m_plugins->UnloadAll();
}

void Host::ResetScene()
{
	if (m_objects.Root() != kNoSlot) {
		m_objects.DestroySubtree(m_objects.Root());
	}
	uint32_t root = m_objects.Create(XSI::siModelID, L"Scene_Root", kNoSlot).slot;
	m_objects.SetRoot(root);
	m_objects.Create(XSI::siKinematicsID, L"kine", root);
	m_selection.clear();
	m_log.Clear();
	m_history.Clear();
}

void Host::Select(const Handle& handle)
{
	if (m_objects.IsLive(handle)) {
		m_selection.push_back(handle);
	}
}

void Host::ClearSelection()
{
	m_selection.clear();
}

std::vector<Handle> Host::SelectedObjects() const
{
	std::vector<Handle> live;
	live.reserve(m_selection.size());
	for (const Handle& handle : m_selection) {
		if (m_objects.IsLive(handle)) {
			live.push_back(handle);
		}
	}
	return live;
}

void Host::RegisterCommand(const std::wstring& name, CommandHandler handler, bool builtIn)
{
	CommandEntry& entry = m_commands[name];
	entry.handler = std::move(handler);
	entry.builtIn = builtIn;
}

void Host::UnregisterCommand(const std::wstring& name)
{
	m_commands.erase(name);
}

bool Host::HasCommand(const std::wstring& name) const
{
	return m_commands.count(name) != 0;
}

XSI::CStatus Host::ExecuteCommand(std::wstring_view name, XSI::CValueArray& args, XSI::CValue& ioValue)
{
	auto found = m_commands.find(name);
	if (found == m_commands.end()) {
		return XSI::CStatus::Fail;
	}
	if (found->second.builtIn) {
		return found->second.handler(args, ioValue); // never unregistered while it runs
	}
	// Copied: a plug-in command may unload its own plug-in while it runs.
	CommandHandler handler = found->second.handler;
	return handler(args, ioValue);
}

} // namespace host_core
