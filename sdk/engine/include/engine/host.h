// The in-memory host: its scene, selection, log, command table and plug-ins.
#ifndef HOST_ENGINE_HOST_H
#define HOST_ENGINE_HOST_H

#include "engine/ref_handles.h"
#include "engine/delete_history.h"
#include "engine/host_log.h"
#include "engine/host_readings.h"
#include "engine/call_journal.h"
#include "engine/chunked_list.h"
#include "engine/object_table.h"

#include <xsi_ref.h>
#include <xsi_status.h>
#include <xsi_value.h>

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace host_engine {

class Host;
class PageDriver;
class PluginHost;

using CommandHandler = std::function<XSI::CStatus(XSI::CValueArray& args, XSI::CValue& ioValue)>;

// Faults the host can be told to inject, for tests of how a plug-in rides
// them out. None is on by default.
struct HostFaults {
	// DeleteObj fails, removing nothing, for targets this answers true for.
	std::function<bool(uint32_t slot)> failDelete;
	// InspectObj fails without showing a page.
	bool failInspect = false;
	// AddProperty gives an invalid handle.
	bool failAddProperty = false;
	// Runs before every command: "another hand" changing the scene between two calls.
	std::function<void(Host& host, std::wstring_view command)> beforeCommand;
};

// One thing a command run did: made an object, or took a subtree out.
struct UndoAction {
	bool created = false;
	Handle object;           // what was created
	DetachedSubtree subtree; // what was taken out
};

using UndoActions = ChunkedList<UndoAction>;

// One undoable step: what a top-level command run did, in order.
struct UndoStep {
	UndoActions actions;
};

class Host
{
public:
	// The host every object-API call reaches; made on first use.
	static Host& Current() { return s_current ? *s_current : MakeCurrent(); }

	Host();
	~Host();
	Host(const Host&) = delete;
	Host& operator=(const Host&) = delete;

	// Back to an empty scene, log and history; loaded plug-ins stay loaded.
	void ResetScene();

	ObjectTable& Objects() { return m_objects; }
	const ObjectTable& Objects() const { return m_objects; }
	uint32_t RootSlot() const { return m_objects.Root(); }
	uint32_t ApplicationSlot() const { return m_application; }
	uint32_t SelectionSlot() const { return m_selectionObject; }

	// Selection, in the order objects were selected.
	void Select(const Handle& handle);
	void ClearSelection();
	// The selection's still-live members, in order.
	std::vector<Handle> SelectedObjects() const;
	// Every handle selected, in order, those deleted since among them.
	const std::vector<Handle>& SelectionHandles() const { return m_selection; }

	HostLog& Log() { return m_log; }
	const HostLog& Log() const { return m_log; }
	DeleteHistory& History() { return m_history; }
	const DeleteHistory& History() const { return m_history; }

	void RegisterCommand(const std::wstring& name, CommandHandler handler, bool builtIn = false);
	void UnregisterCommand(const std::wstring& name);
	bool HasCommand(const std::wstring& name) const;
	XSI::CStatus ExecuteCommand(std::wstring_view name, XSI::CValueArray& args, XSI::CValue& ioValue);

	PluginHost& Plugins() { return *m_plugins; }

	// Undo: each top-level ExecuteCommand is one step, with every command it
	// ran inside. Deleted objects are kept until their step is dropped.
	// Takes back the last step; false when there is none.
	bool Undo();
	size_t UndoDepth() const { return m_undo.size(); }
	// Deletes the subtree at `slot`, undoably when a command is running.
	void DeleteUndoably(uint32_t slot);
	// Notes an object a running command created, so undo removes it.
	void RecordCreated(uint32_t slot);
	// True when the object at `slot` was made by the top-level command run
	// now running (RecordCreated).
	bool CreatedByThisRun(uint32_t slot) const;

	HostFaults& Faults() { return m_faults; }

	// How the host answers where its documentation leaves it open; kept
	// across scene resets, as a setting of the host.
	HostReadings& Readings() { return m_readings; }
	const HostReadings& Readings() const { return m_readings; }
	// An object's full name as the host gives it (GetFullName, a
	// reference's text), under the reading for properties under the root.
	std::wstring FullName(uint32_t slot) const;

	// Who is calling the object API: a plug-in's callback, or the host itself
	// (its own commands, its pages, its tests).
	enum class Caller { Host, Plugin };
	// Sets the caller for a scope: plug-in callbacks run as the plug-in,
	// built-in commands and page drivers as the host.
	class CallerScope
	{
	public:
		CallerScope(Host& host, Caller caller) : m_host(host), m_caller(host.m_caller), m_depth(host.m_journalDepth)
		{
			host.m_caller = caller;
			host.m_journalDepth = 0;
		}
		~CallerScope()
		{
			m_host.m_caller = m_caller;
			m_host.m_journalDepth = m_depth;
		}
		CallerScope(const CallerScope&) = delete;
		CallerScope& operator=(const CallerScope&) = delete;

	private:
		Host& m_host;
		Caller m_caller;
		int m_depth;
	};

	// The journal of the object-API calls plug-ins make, when started.
	CallJournal& Journal() { return m_journal; }
	const CallJournal& Journal() const { return m_journal; }
	// Inline: every object-API call asks this first.
	bool Journaling() const { return m_caller == Caller::Plugin && m_journal.IsOn(); }
	// Calls the object API makes inside itself are not the plug-in's: only
	// the outermost is recorded. Returns true for the outermost.
	bool EnterJournaledCall() { return m_journalDepth++ == 0; }
	void LeaveJournaledCall() { --m_journalDepth; }

	// The page driver answers modal pages; without one, pages are confirmed as they open.
	void SetPageDriver(PageDriver* driver) { m_pageDriver = driver; }
	PageDriver* GetPageDriver() const { return m_pageDriver; }

	// Handles as the object API carries them.
	XSI::CRef RefOf(uint32_t slot) const { return RefOf(m_objects.HandleOf(slot)); }
	XSI::CRef RefOf(const Handle& handle) const
	{
		XSI::CRef ref;
		SetHandle(ref, handle);
		return ref;
	}
	static Handle HandleOf(const XSI::CRef& ref) { return HandleOfRef(ref); }
	// The live node behind `ref`, or nullptr.
	Node* NodeOf(const XSI::CRef& ref) { return m_objects.Get(HandleOf(ref)); }
	uint32_t SlotOf(const XSI::CRef& ref) const
	{
		Handle handle = HandleOf(ref);
		return m_objects.IsLive(handle) ? handle.slot : kNoSlot;
	}

private:
	static Host& MakeCurrent();
	// Older steps are dropped, and what they deleted freed, past this many.
	static const size_t kMaxUndoSteps = 50;
	static Host* s_current;

	struct CommandEntry {
		CommandHandler handler;
		bool builtIn = false;
	};

	void DropUndoStep(UndoStep& step);
	void ClearUndo();
	// Keeps the larger of a finished step's buffer and the spare one, for the
	// next step: a run as large as the last one then never grows its buffer.
	void RecycleActions(UndoActions& actions);

	ObjectTable m_objects;
	std::deque<UndoStep> m_undo;
	UndoActions m_spareActions;
	int m_commandDepth = 0;
	// What the running top-level command made, as (slot, generation): a run
	// makes a handful, deletes up to millions, and asks for each deletion.
	std::unordered_set<uint64_t> m_createdByThisRun;
	HostFaults m_faults;
	HostReadings m_readings;
	Caller m_caller = Caller::Host;
	CallJournal m_journal;
	int m_journalDepth = 0;
	uint32_t m_application = kNoSlot;
	uint32_t m_selectionObject = kNoSlot;
	std::vector<Handle> m_selection;
	HostLog m_log;
	DeleteHistory m_history;
	std::map<std::wstring, CommandEntry, std::less<>> m_commands;
	// The command found last: a pass runs the same one a million times.
	const std::wstring* m_lastCommandName = nullptr;
	CommandEntry* m_lastCommand = nullptr;
	std::unique_ptr<PluginHost> m_plugins;
	PageDriver* m_pageDriver = nullptr;
};

} // namespace host_engine

#endif
