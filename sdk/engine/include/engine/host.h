// The in-memory host: the parts it is made of, each handed out by name. One
// Host is made, by CurrentHost (current_host.cpp, where it is put together).
#ifndef HOST_ENGINE_HOST_H
#define HOST_ENGINE_HOST_H

#include "engine/api_caller.h"
#include "engine/call_journal.h"
#include "engine/command_table.h"
#include "engine/delete_history.h"
#include "engine/host_faults.h"
#include "engine/host_log.h"
#include "engine/host_readings.h"
#include "engine/scene.h"
#include "engine/undo_stack.h"

#include <memory>

namespace host_engine {

class PageDriver;
class PluginHost;

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
	// Each top-level command run is one undo step, with every command it ran inside.
	CommandTable& Commands() { return m_commands; }
	UndoStack& UndoSteps() { return m_undo; }
	const UndoStack& UndoSteps() const { return m_undo; }
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

	// The plug-ins this host has loaded, unloaded before anything else goes.
	PluginHost& Plugins() { return *m_plugins; }

	// The page driver answers modal pages; without one, pages are confirmed as they open.
	void SetPageDriver(PageDriver* driver) { m_pageDriver = driver; }
	PageDriver* GetPageDriver() const { return m_pageDriver; }

private:
	// Declared in the order they are made: each part is given the ones above it.
	HostReadings m_readings;
	HostLog m_log;
	DeleteHistory m_history;
	CallJournal m_journal;
	HostFaults m_faults;
	ApiCaller m_caller;
	host_engine::Scene m_scene;
	UndoStack m_undo;
	CommandTable m_commands;
	std::unique_ptr<PluginHost> m_plugins;
	PageDriver* m_pageDriver = nullptr;
};

} // namespace host_engine

#endif
