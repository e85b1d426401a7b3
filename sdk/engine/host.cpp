#include "engine/host.h"

#include "builtin_commands.h"
#include "engine/class_info.h"
#include "engine/plugin_host.h"

namespace host_engine {

Host* Host::s_current = nullptr;

namespace {

uint64_t HandleKey(const Handle& handle)
{
	return (static_cast<uint64_t>(handle.slot) << 32) | handle.generation;
}

} // namespace
bool CallJournal::s_anyStarted = false;

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
	ClearUndo();
}

void Host::ResetScene()
{
	ClearUndo();
	if (m_objects.Root() != kNoSlot) {
		m_objects.DestroySubtree(m_objects.Root());
	}
	m_history.Clear();
	// The old scene's names go with it: a long-lived host must not keep them all.
	m_objects.CompactNames();
	m_objects.SortFreeSlots();
	uint32_t root = m_objects.Create(XSI::siModelID, L"Scene_Root", kNoSlot).slot;
	m_objects.SetRoot(root);
	m_objects.Create(XSI::siKinematicsID, L"kine", root);
	m_selection.clear();
	m_log.Clear();
}

std::wstring Host::FullName(uint32_t slot) const
{
	const Node& node = m_objects.At(slot);
	bool rootProperty = node.parent == m_objects.Root() && IsKindOf(node.classId, XSI::siPropertyID);
	if (rootProperty && !m_readings.RootPropertiesNamedFromRoot()) {
		return std::wstring(m_objects.Name(slot));
	}
	return m_objects.FullName(slot);
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
	m_lastCommand = nullptr;
}

void Host::UnregisterCommand(const std::wstring& name)
{
	m_commands.erase(name);
	m_lastCommand = nullptr;
}

bool Host::HasCommand(const std::wstring& name) const
{
	return m_commands.count(name) != 0;
}

XSI::CStatus Host::ExecuteCommand(std::wstring_view name, XSI::CValueArray& args, XSI::CValue& ioValue)
{
	if (m_lastCommand == nullptr || name != *m_lastCommandName) {
		auto found = m_commands.find(name);
		if (found == m_commands.end()) {
			return XSI::CStatus::Fail;
		}
		m_lastCommandName = &found->first;
		m_lastCommand = &found->second;
	}
	CommandEntry* command = m_lastCommand;
	if (m_faults.beforeCommand) {
		m_faults.beforeCommand(*this, name);
	}
	if (m_commandDepth == 0) {
		m_undo.emplace_back();
		m_undo.back().actions.swap(m_spareActions);
	}
	++m_commandDepth;
	XSI::CStatus status;
	if (command->builtIn) {
		Host::CallerScope scope(*this, Caller::Host); // the host's own work, not the plug-in's
		status = command->handler(args, ioValue);     // never unregistered while it runs
	} else {
		// Copied: a plug-in command may unload its own plug-in while it runs.
		CommandHandler handler = command->handler;
		status = handler(args, ioValue);
	}
	--m_commandDepth;
	if (m_commandDepth == 0) {
		m_createdByThisRun.clear();
		if (m_undo.back().actions.empty()) {
			RecycleActions(m_undo.back().actions);
			m_undo.pop_back(); // changed nothing: nothing to undo
		} else if (m_undo.size() > kMaxUndoSteps) {
			DropUndoStep(m_undo.front());
			m_undo.pop_front();
		}
	}
	return status;
}

void Host::DeleteUndoably(uint32_t slot)
{
	if (m_commandDepth == 0 || m_undo.empty()) {
		m_objects.DestroySubtree(slot);
		return;
	}
	UndoAction action;
	action.subtree = m_objects.DetachSubtree(slot);
	m_undo.back().actions.push_back(action);
}

void Host::RecordCreated(uint32_t slot)
{
	if (m_commandDepth == 0 || m_undo.empty()) {
		return;
	}
	UndoAction action;
	action.created = true;
	action.object = m_objects.HandleOf(slot);
	m_undo.back().actions.push_back(action);
	m_createdByThisRun.insert(HandleKey(action.object));
}

bool Host::CreatedByThisRun(uint32_t slot) const
{
	return !m_createdByThisRun.empty() && m_createdByThisRun.count(HandleKey(m_objects.HandleOf(slot))) != 0;
}

bool Host::Undo()
{
	if (m_undo.empty() || m_commandDepth != 0) {
		return false;
	}
	UndoStep step = std::move(m_undo.back());
	m_undo.pop_back();
	for (size_t i = step.actions.size(); i-- > 0;) {
		const UndoAction& action = step.actions[i];
		if (!action.created) {
			m_objects.ReattachSubtree(action.subtree);
		} else if (m_objects.IsLive(action.object)) {
			m_objects.DestroySubtree(action.object.slot);
		}
	}
	step.actions.clear();
	RecycleActions(step.actions);
	return true;
}

void Host::ClearUndo()
{
	for (UndoStep& step : m_undo) {
		DropUndoStep(step);
	}
	m_undo.clear();
}

void Host::DropUndoStep(UndoStep& step)
{
	for (const UndoAction& action : step.actions) {
		if (!action.created) {
			m_objects.ReleaseDetached(action.subtree);
		}
	}
	step.actions.clear();
	RecycleActions(step.actions);
}

void Host::RecycleActions(UndoActions& actions)
{
	actions.clear();
	if (actions.capacity() > m_spareActions.capacity()) {
		actions.swap(m_spareActions);
	}
}

} // namespace host_engine
