#include "engine/undo_stack.h"

namespace host_engine {

namespace {

uint64_t HandleKey(const Handle& handle)
{
	return (static_cast<uint64_t>(handle.slot) << 32) | handle.generation;
}

} // namespace

void UndoStack::OpenStep()
{
	m_steps.emplace_back();
	m_steps.back().actions.swap(m_spareActions);
	m_open = true;
}

void UndoStack::CloseStep()
{
	m_open = false;
	m_createdByThisRun.clear();
	if (m_steps.empty()) {
		return; // cleared while the run went on
	}
	if (m_steps.back().actions.empty()) {
		RecycleActions(m_steps.back().actions);
		m_steps.pop_back(); // changed nothing: nothing to undo
	} else if (m_steps.size() > kMaxSteps) {
		DropStep(m_steps.front());
		m_steps.pop_front();
	}
}

void UndoStack::DeleteUndoably(uint32_t slot)
{
	if (!m_open || m_steps.empty()) {
		m_objects.DestroySubtree(slot);
		return;
	}
	UndoAction action;
	action.subtree = m_objects.DetachSubtree(slot);
	m_steps.back().actions.push_back(action);
}

void UndoStack::RecordCreated(uint32_t slot)
{
	if (!m_open || m_steps.empty()) {
		return;
	}
	UndoAction action;
	action.created = true;
	action.object = m_objects.HandleOf(slot);
	m_steps.back().actions.push_back(action);
	m_createdByThisRun.insert(HandleKey(action.object));
}

bool UndoStack::CreatedByThisRun(uint32_t slot) const
{
	return !m_createdByThisRun.empty() && m_createdByThisRun.count(HandleKey(m_objects.HandleOf(slot))) != 0;
}

bool UndoStack::Undo()
{
	if (m_steps.empty() || m_open) {
		return false;
	}
	UndoStep step = std::move(m_steps.back());
	m_steps.pop_back();
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

void UndoStack::Clear()
{
	for (UndoStep& step : m_steps) {
		DropStep(step);
	}
	m_steps.clear();
}

void UndoStack::DropStep(UndoStep& step)
{
	for (const UndoAction& action : step.actions) {
		if (!action.created) {
			m_objects.ReleaseDetached(action.subtree);
		}
	}
	step.actions.clear();
	RecycleActions(step.actions);
}

void UndoStack::RecycleActions(UndoActions& actions)
{
	actions.clear();
	if (actions.capacity() > m_spareActions.capacity()) {
		actions.swap(m_spareActions);
	}
}

} // namespace host_engine
