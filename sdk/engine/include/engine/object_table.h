// The host's objects: one table of slots, each a node of the object tree.
#ifndef HOST_ENGINE_OBJECT_TABLE_H
#define HOST_ENGINE_OBJECT_TABLE_H

#include "engine/free_name_search.h"
#include "engine/huge_page_allocator.h"
#include "engine/id_index.h"
#include "engine/name_table.h"
#include "engine/object_handle.h"

#include <xsi_decl.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace host_engine {

// Payload that only some classes carry (parameter values, page layouts, ...).
struct NodeData {
	virtual ~NodeData() = default;
};

// 36 bytes (40 under Microsoft's bit-field layout): a million-object scene
// holds millions of them, and most carry no payload, so payloads are kept
// beside the table (ObjectTable::DataAt).
struct Node {
	Node() : classId(XSI::siUnknownClassID), detached(false), hasData(false), sharedName(false) {}

	uint32_t generation = 0;
	XSI::siClassID classId : 16; // unknown marks a free slot
	// Taken out of the scene but kept, so that an undo can put it back.
	bool detached : 1;
	bool hasData : 1;
	// Made with a name another object of its model already held.
	bool sharedName : 1;
	uint32_t nameId = 0;
	// A constraint's type, kept apart from its name (which a user may change).
	uint32_t typeNameId = 0;
	uint32_t parent = kNoSlot;
	uint32_t firstChild = kNoSlot;
	uint32_t lastChild = kNoSlot;
	uint32_t prevSibling = kNoSlot;
	uint32_t nextSibling = kNoSlot;
};

// Where a detached subtree was, to put it back there.
struct DetachedSubtree {
	uint32_t top = kNoSlot;
	Handle parent;
	Handle nextSibling;
};

class ObjectTable
{
public:
	// `maxGeneration` is how often a slot can be reused; tests make it small.
	explicit ObjectTable(uint32_t maxGeneration = kMaxGeneration);

	// Makes a node as the last child of `parent` (kNoSlot for a top node).
	// 3D objects and properties directly under a model take a name unique in
	// their model, with the lowest free numeric suffix; others keep `name`.
	Handle Create(XSI::siClassID classId, std::wstring_view name, uint32_t parent, bool uniqueAmongSiblings = false);
	// Makes a node that keeps `name` even when another object of its model
	// holds it; a lookup by the name goes on finding the older one.
	Handle CreateSharingName(XSI::siClassID classId, std::wstring_view name, uint32_t parent);

	// Makes room for `count` more nodes, `names` of them with names of their
	// own, so that building a scene of known size never moves the tables.
	void ReserveMore(size_t count, size_t names);

	// Unlinks the node and frees it and everything under it.
	void DestroySubtree(uint32_t slot);

	// For undo (in object_table_detach.cpp): takes the node and everything
	// under it out of the scene, keeping them: handles to them answer as
	// deleted until the subtree is reattached.
	DetachedSubtree DetachSubtree(uint32_t slot);
	// Puts a detached subtree back where it was, handles and all. False, and
	// the subtree freed, when its parent has gone for good meanwhile.
	bool ReattachSubtree(const DetachedSubtree& subtree);
	// Frees a detached subtree for good.
	void ReleaseDetached(const DetachedSubtree& subtree);

	// Inline: every object-API call goes through these.
	bool IsLive(const Handle& handle) const
	{
		return InScene(handle.slot) && m_nodes[handle.slot].generation == handle.generation;
	}
	Node* Get(const Handle& handle) { return IsLive(handle) ? &m_nodes[handle.slot] : nullptr; }
	const Node* Get(const Handle& handle) const { return IsLive(handle) ? &m_nodes[handle.slot] : nullptr; }
	Node& At(uint32_t slot) { return m_nodes[slot]; }
	const Node& At(uint32_t slot) const { return m_nodes[slot]; }
	Handle HandleOf(uint32_t slot) const
	{
		Handle handle;
		if (InScene(slot)) {
			handle.slot = slot;
			handle.generation = m_nodes[slot].generation;
		}
		return handle;
	}

	std::wstring_view Name(uint32_t slot) const { return m_names.Text(m_nodes[slot].nameId); }
	void Rename(uint32_t slot, std::wstring_view name);
	// The model whose names the object's must differ from (kNoSlot for an
	// object whose name need only differ from its siblings', or need not).
	uint32_t NameScope(uint32_t slot) const;
	// The object holding the name in the model `scope`; kNoSlot if none.
	uint32_t FindInScope(uint32_t scope, uint32_t nameId) const;
	// The first child of `parent` named `name`, scanning the child list.
	uint32_t FindChild(uint32_t parent, std::wstring_view name) const;
	uint32_t FindChildOfClass(uint32_t parent, XSI::siClassID classId) const;
	// The nearest 3D object at or above `slot`.
	uint32_t Owning3DObject(uint32_t slot) const;

	// Forgets names no live object uses any more. Name ids change: call it
	// only when nothing outside the table holds one (a scene reset).
	void CompactNames();
	// Hands out free slots lowest first from now on, so that a scene built
	// next lies in order in memory, as in a fresh table. Slots freed one by
	// one (an undo step dropped, objects deleted) come back in any order.
	void SortFreeSlots();

	// The payload of the object at `slot`, owned by the table; nullptr when it has none.
	NodeData* DataAt(uint32_t slot) const;
	void SetData(uint32_t slot, std::unique_ptr<NodeData> data);

	void SetRoot(uint32_t slot) { m_root = slot; }
	uint32_t Root() const { return m_root; }
	NameTable& Names() { return m_names; }
	const NameTable& Names() const { return m_names; }
	// How many names have been tried in the search for free ones: what a
	// new name costs, for the tests.
	size_t NameProbes() const { return m_freeNames.Probes(); }
	size_t LiveCount() const { return m_nodes.size() - 1 - m_free.size() - m_detachedCount - m_retiredCount; }

private:
	// A slot holding an object that is in the scene: used, not detached.
	bool InScene(uint32_t slot) const
	{
		return slot != kNoSlot && slot < m_slotCount && m_nodes[slot].classId != XSI::siUnknownClassID &&
		       !m_nodes[slot].detached;
	}
	uint32_t ScopeFor(XSI::siClassID classId, uint32_t parent) const;
	bool NameTaken(uint32_t scope, uint32_t parent, std::wstring_view name) const;
	std::wstring FreeName(uint32_t scope, uint32_t parent, std::wstring_view base);
	Handle Place(XSI::siClassID classId, uint32_t nameId, uint32_t parent, uint32_t scope, bool sharedName);
	void Link(uint32_t slot, uint32_t parent, uint32_t before = kNoSlot);
	template <typename Visit> void ForEachInSubtree(uint32_t top, Visit visit);
	void Unlink(uint32_t slot);
	void Index(uint32_t slot);
	void Unindex(uint32_t slot);
	uint32_t Allocate();
	void Release(uint32_t slot);
	void ReleaseAll(std::vector<uint32_t>& doomed);

	std::vector<Node, HugePageAllocator<Node>> m_nodes;
	// m_nodes.size(), kept apart: every object-API call tests a slot against
	// it, and the vector would divide by a node's size to tell it.
	uint32_t m_slotCount = 0;
	std::unordered_map<uint32_t, std::unique_ptr<NodeData>> m_data;
	std::vector<uint32_t> m_free;
	NameTable m_names;
	// Slots by (model scope slot, name id), for names that must be unique in
	// a model: the one holder of each name.
	IdIndex m_scopeIndex;
	uint32_t m_root = kNoSlot;
	uint32_t m_maxGeneration;
	size_t m_detachedCount = 0;
	// Slots whose generations ran out.
	size_t m_retiredCount = 0;
	// Nodes made with a name another already held, by (scope, name id): kept
	// out of m_scopeIndex, where thousands of one name (leftovers of as many
	// runs) would make one run of probes that every insertion walks.
	std::unordered_map<uint64_t, std::set<uint32_t>> m_sharedNames;
	FreeNameSearch m_freeNames;
};

// Pre-order over the subtree at `top`, following the tree's own links.
template <typename Visit> void ObjectTable::ForEachInSubtree(uint32_t top, Visit visit)
{
	uint32_t slot = top;
	while (slot != kNoSlot) {
		visit(slot);
		if (m_nodes[slot].firstChild != kNoSlot) {
			slot = m_nodes[slot].firstChild;
			continue;
		}
		while (slot != top && m_nodes[slot].nextSibling == kNoSlot) {
			slot = m_nodes[slot].parent;
		}
		slot = slot == top ? kNoSlot : m_nodes[slot].nextSibling;
	}
}

} // namespace host_engine

#endif
