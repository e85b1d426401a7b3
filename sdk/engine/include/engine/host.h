// The in-memory host: the parts it is made of, each handed out by name.
#ifndef HOST_ENGINE_HOST_H
#define HOST_ENGINE_HOST_H

#include "engine/api_caller.h"
#include "engine/call_journal.h"
#include "engine/command_handler.h"
#include "engine/delete_history.h"
#include "engine/host_faults.h"
#include "engine/host_log.h"
#include "engine/host_readings.h"
#include "engine/scene.h"

#include <xsi_ref.h>
#include <xsi_status.h>
#include <xsi_value.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace host_engine {

class CommandTable;
class PageDriver;
class PluginHost;
class UndoStack;

class Host
{
public:
	Host();
	~Host();
	Host(const Host&) = delete;
	Host& operator=(const Host&) = delete;

	// Back to an empty scene, log and history; loaded plug-ins stay loaded.
	void ResetScene();

	host_engine::Scene& Scene() { return m_scene; }
	const host_engine::Scene& Scene() const { return m_scene; }
	CommandTable& Commands() { return *m_commands; }
	UndoStack& UndoSteps() { return *m_undo; }
	ApiCaller& Caller() { return m_caller; }
	HostFaults& Faults() { return m_faults; }
	HostLog& Log() { return m_log; }
	const HostLog& Log() const { return m_log; }
	DeleteHistory& History() { return m_history; }
	const DeleteHistory& History() const { return m_history; }
	// How the host answers where its documentation leaves it open; kept
	// across scene resets, as a setting of the host.
	HostReadings& Readings() { return m_readings; }
	const HostReadings& Readings() const { return m_readings; }
	// The journal of the object-API calls plug-ins make, when started.
	CallJournal& Journal() { return m_journal; }
	const CallJournal& Journal() const { return m_journal; }
	// Inline: every object-API call asks this first.
	bool Journaling() const { return m_caller.IsPlugin() && m_journal.IsOn(); }

	// The plug-ins, once the host's maker has given them (current_host.cpp).
	PluginHost& Plugins() { return *m_plugins; }
	void SetPlugins(PluginHost* plugins) { m_plugins = plugins; }

	// The page driver answers modal pages; without one, pages are confirmed as they open.
	void SetPageDriver(PageDriver* driver) { m_pageDriver = driver; }
	PageDriver* GetPageDriver() const { return m_pageDriver; }

	// The scene's, as the program and the tests reach them.
	ObjectTable& Objects() { return m_scene.Objects(); }
	const ObjectTable& Objects() const { return m_scene.Objects(); }
	uint32_t RootSlot() const { return m_scene.RootSlot(); }
	void Select(const Handle& handle) { m_scene.Select(handle); }
	void ClearSelection() { m_scene.ClearSelection(); }
	std::vector<Handle> SelectedObjects() const { return m_scene.SelectedObjects(); }
	XSI::CRef RefOf(uint32_t slot) const { return m_scene.RefOf(slot); }
	static XSI::CRef RefOf(const Handle& handle) { return host_engine::Scene::RefOf(handle); }
	static Handle HandleOf(const XSI::CRef& ref) { return host_engine::Scene::HandleOf(ref); }
	uint32_t SlotOf(const XSI::CRef& ref) const { return m_scene.SlotOf(ref); }

	// The command table's and the undo stack's, as the program and the tests reach them.
	void RegisterCommand(const std::wstring& name, CommandHandler handler);
	void UnregisterCommand(const std::wstring& name);
	bool HasCommand(const std::wstring& name) const;
	XSI::CStatus ExecuteCommand(std::wstring_view name, XSI::CValueArray& args, XSI::CValue& ioValue);
	// Each top-level command run is one step, with every command it ran inside.
	// Takes back the last step; false when there is none.
	bool Undo();
	size_t UndoDepth() const;

private:
	// Declared in the order they are made: each part is given the ones above it.
	HostReadings m_readings;
	HostLog m_log;
	DeleteHistory m_history;
	CallJournal m_journal;
	HostFaults m_faults;
	ApiCaller m_caller;
	host_engine::Scene m_scene;
	std::unique_ptr<UndoStack> m_undo;
	std::unique_ptr<CommandTable> m_commands;
	PluginHost* m_plugins = nullptr;
	PageDriver* m_pageDriver = nullptr;
};

} // namespace host_engine

#endif
