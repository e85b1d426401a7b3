// Undo: the steps top-level command runs left, what each did, and taking the last one back.
#ifndef HOST_ENGINE_UNDO_STACK_H
#define HOST_ENGINE_UNDO_STACK_H

#include "engine/chunked_list.h"
#include "engine/object_table.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <unordered_set>

namespace host_engine {

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

class UndoStack
{
public:
	// Older steps are dropped, and what they deleted freed, past this many.
	static const size_t kMaxSteps = 50;

	explicit UndoStack(ObjectTable& objects) : m_objects(objects) {}
	~UndoStack() { Clear(); }
	UndoStack(const UndoStack&) = delete;
	UndoStack& operator=(const UndoStack&) = delete;

	// A top-level command run begins and ends: everything recorded between
	// is one step. A step that changed nothing is not kept.
	void OpenStep();
	void CloseStep();

	// Deletes the subtree at `slot`, undoably while a step is open. Deleted
	// objects are kept until their step is dropped.
	void DeleteUndoably(uint32_t slot);
	// Notes an object the open step's run created, so undo removes it.
	void RecordCreated(uint32_t slot);
	// True when the object at `slot` was made by the run of the open step.
	bool CreatedByThisRun(uint32_t slot) const;

	// Takes back the last step; false when there is none, or while a step is open.
	bool Undo();
	size_t Depth() const { return m_steps.size(); }
	// Drops every step, freeing what they deleted.
	void Clear();

private:
	void DropStep(UndoStep& step);
	// Keeps the larger of a finished step's buffer and the spare one, for the
	// next step: a run as large as the last one then never grows its buffer.
	void RecycleActions(UndoActions& actions);

	ObjectTable& m_objects;
	std::deque<UndoStep> m_steps;
	UndoActions m_spareActions;
	bool m_open = false;
	// What the open step's run made, as (slot, generation): a run makes a
	// handful, deletes up to millions, and asks for each deletion.
	std::unordered_set<uint64_t> m_createdByThisRun;
};

} // namespace host_engine

#endif
