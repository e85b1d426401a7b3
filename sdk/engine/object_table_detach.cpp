// The object table's side of undo: a deleted subtree taken out of the scene
// but kept, put back where it was, or freed once its step is dropped.
#include "engine/object_table.h"

#include <vector>

namespace host_engine {

DetachedSubtree ObjectTable::DetachSubtree(uint32_t top)
{
	DetachedSubtree subtree;
	subtree.top = top;
	subtree.parent = HandleOf(m_nodes[top].parent);
	subtree.nextSibling = HandleOf(m_nodes[top].nextSibling);
	auto detach = [this](uint32_t slot) {
		Unindex(slot);
		m_nodes[slot].detached = true;
		++m_detachedCount;
	};
	if (m_nodes[top].firstChild == kNoSlot) {
		detach(top); // a leaf, as constraints and operators are: no walk needed
	} else {
		ForEachInSubtree(top, detach);
	}
	Unlink(top);
	return subtree;
}

bool ObjectTable::ReattachSubtree(const DetachedSubtree& subtree)
{
	if (!IsLive(subtree.parent)) {
		ReleaseDetached(subtree);
		return false;
	}
	uint32_t parent = subtree.parent.slot;
	uint32_t before = subtree.nextSibling.slot;
	if (before != kNoSlot && (!IsLive(subtree.nextSibling) || m_nodes[before].parent != parent)) {
		before = kNoSlot; // its old neighbour is gone: it goes last
	}
	Link(subtree.top, parent, before);
	ForEachInSubtree(subtree.top, [this](uint32_t slot) {
		m_nodes[slot].detached = false;
		--m_detachedCount;
		Index(slot);
	});
	return true;
}

void ObjectTable::ReleaseDetached(const DetachedSubtree& subtree)
{
	std::vector<uint32_t> doomed;
	ForEachInSubtree(subtree.top, [&doomed](uint32_t slot) { doomed.push_back(slot); });
	m_detachedCount -= doomed.size();
	ReleaseAll(doomed);
}

} // namespace host_engine
