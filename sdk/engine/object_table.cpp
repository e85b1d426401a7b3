// The host's objects: the table of slots, the tree they form, and the index
// of names unique in a model.
#include "engine/object_table.h"

#include "engine/class_info.h"

#include <algorithm>
#include <functional>
#include <new>

namespace host_engine {

namespace {

uint64_t ScopedNameKey(uint32_t scope, uint32_t nameId)
{
	return (static_cast<uint64_t>(scope) << 32) | nameId;
}

uint32_t ScopeHash(uint32_t scope, uint32_t nameId)
{
	uint64_t key = ScopedNameKey(scope, nameId);
	key *= 0x9E3779B97F4A7C15ull; // spreads neighbouring ids over the table
	return static_cast<uint32_t>(key >> 32);
}

} // namespace

ObjectTable::ObjectTable(uint32_t maxGeneration) : m_maxGeneration(maxGeneration)
{
	m_nodes.emplace_back(); // slot 0: "no object"
	m_slotCount = 1;
}

void ObjectTable::ReserveMore(size_t count, size_t names)
{
	size_t reused = std::min(count, m_free.size());
	m_nodes.reserve(m_nodes.size() + count - reused);
	m_names.Reserve(names);
	m_scopeIndex.Reserve(m_scopeIndex.Count() + names);
}

uint32_t ObjectTable::Allocate()
{
	if (!m_free.empty()) {
		uint32_t slot = m_free.back();
		m_free.pop_back();
		return slot;
	}
	if (m_nodes.size() >= kMaxSlot) {
		throw std::bad_alloc(); // no handle could name another slot
	}
	m_nodes.emplace_back();
	return m_slotCount++;
}

// 36 bytes with GCC's bit-field layout, 40 with Microsoft's (MinGW's default).
static_assert(sizeof(Node) <= 40, "a node stays small: scenes hold millions");

NodeData* ObjectTable::DataAt(uint32_t slot) const
{
	if (slot == kNoSlot || slot >= m_nodes.size() || !m_nodes[slot].hasData) {
		return nullptr;
	}
	auto found = m_data.find(slot);
	return found == m_data.end() ? nullptr : found->second.get();
}

void ObjectTable::SetData(uint32_t slot, std::unique_ptr<NodeData> data)
{
	m_nodes[slot].hasData = data != nullptr;
	if (data) {
		m_data[slot] = std::move(data);
	} else {
		m_data.erase(slot);
	}
}

void ObjectTable::Release(uint32_t slot)
{
	Node& node = m_nodes[slot];
	if (node.hasData) {
		m_data.erase(slot);
	}
	uint32_t generation = node.generation;
	node = Node();
	if (generation >= m_maxGeneration) {
		node.generation = generation;
		++m_retiredCount; // stays free for good: its handles stay stale
		return;
	}
	node.generation = generation + 1;
	m_free.push_back(slot);
}

uint32_t ObjectTable::ScopeFor(XSI::siClassID classId, uint32_t parent) const
{
	if (parent == kNoSlot) {
		return kNoSlot;
	}
	if (Is3DObject(classId)) {
		uint32_t scope = parent;
		while (scope != kNoSlot && m_nodes[scope].classId != XSI::siModelID) {
			scope = m_nodes[scope].parent;
		}
		return scope;
	}
	bool modelMember = classId == XSI::siCustomPropertyID || classId == XSI::siGroupID;
	if (modelMember && m_nodes[parent].classId == XSI::siModelID) {
		return parent;
	}
	return kNoSlot;
}

uint32_t ObjectTable::NameScope(uint32_t slot) const
{
	return ScopeFor(m_nodes[slot].classId, m_nodes[slot].parent);
}

uint32_t ObjectTable::FindInScope(uint32_t scope, uint32_t nameId) const
{
	uint32_t found = m_scopeIndex.Find(ScopeHash(scope, nameId), [&](uint32_t slot) {
		return m_nodes[slot].nameId == nameId && NameScope(slot) == scope;
	});
	if (found != IdIndex::kNone) {
		return found;
	}
	// A name two objects share finds the one that held it first; once that
	// one is gone, one of those that share it.
	if (m_sharedNames.empty()) {
		return kNoSlot;
	}
	auto shared = m_sharedNames.find(ScopedNameKey(scope, nameId));
	return shared == m_sharedNames.end() ? kNoSlot : *shared->second.begin();
}

bool ObjectTable::NameTaken(uint32_t scope, uint32_t parent, std::wstring_view name) const
{
	if (scope != kNoSlot) {
		uint32_t nameId = m_names.Find(name);
		return (nameId != 0 || name.empty()) && FindInScope(scope, nameId) != kNoSlot;
	}
	return FindChild(parent, name) != kNoSlot;
}

std::wstring ObjectTable::FreeName(uint32_t scope, uint32_t parent, std::wstring_view base)
{
	// Captured by value: small enough for std::function to keep without allocating.
	return m_freeNames.Find(scope, base, m_names,
	                        [this, scope, parent](std::wstring_view name) { return NameTaken(scope, parent, name); });
}

Handle ObjectTable::Create(XSI::siClassID classId, std::wstring_view name, uint32_t parent, bool uniqueAmongSiblings)
{
	uint32_t scope = ScopeFor(classId, parent);
	// Interned first: a name that turns out taken was interned already.
	uint32_t nameId = m_names.Intern(name);
	bool taken = scope != kNoSlot ? FindInScope(scope, nameId) != kNoSlot
	                              : uniqueAmongSiblings && FindChild(parent, name) != kNoSlot;
	if (taken) {
		nameId = m_names.Intern(FreeName(scope, parent, name));
	}
	return Place(classId, nameId, parent, scope, false);
}

Handle ObjectTable::CreateSharingName(XSI::siClassID classId, std::wstring_view name, uint32_t parent)
{
	uint32_t scope = ScopeFor(classId, parent);
	uint32_t nameId = m_names.Intern(name);
	bool shared = scope != kNoSlot && FindInScope(scope, nameId) != kNoSlot;
	return Place(classId, nameId, parent, scope, shared);
}

Handle ObjectTable::Place(XSI::siClassID classId, uint32_t nameId, uint32_t parent, uint32_t scope, bool sharedName)
{
	uint32_t slot = Allocate();
	Node& node = m_nodes[slot];
	node.classId = classId;
	node.nameId = nameId;
	node.sharedName = sharedName;
	Link(slot, parent);
	if (sharedName) {
		m_sharedNames[ScopedNameKey(scope, nameId)].insert(slot);
	} else if (scope != kNoSlot) {
		m_scopeIndex.Insert(ScopeHash(scope, nameId), slot);
	}
	return HandleOf(slot);
}

void ObjectTable::Link(uint32_t slot, uint32_t parent, uint32_t before)
{
	Node& node = m_nodes[slot];
	node.parent = parent;
	if (parent == kNoSlot) {
		return;
	}
	Node& up = m_nodes[parent];
	uint32_t prev = before == kNoSlot ? up.lastChild : m_nodes[before].prevSibling;
	node.prevSibling = prev;
	node.nextSibling = before;
	(prev != kNoSlot ? m_nodes[prev].nextSibling : up.firstChild) = slot;
	(before != kNoSlot ? m_nodes[before].prevSibling : up.lastChild) = slot;
}

// Freed highest first, so the lowest come back first: what is built next
// lies in ascending slots, close together in memory, as a new scene would.
void ObjectTable::ReleaseAll(std::vector<uint32_t>& doomed)
{
	std::sort(doomed.begin(), doomed.end(), std::greater<uint32_t>());
	for (uint32_t slot : doomed) {
		Release(slot);
	}
}

void ObjectTable::Unlink(uint32_t slot)
{
	Node& node = m_nodes[slot];
	if (node.parent == kNoSlot) {
		return;
	}
	Node& up = m_nodes[node.parent];
	if (node.prevSibling != kNoSlot) {
		m_nodes[node.prevSibling].nextSibling = node.nextSibling;
	} else {
		up.firstChild = node.nextSibling;
	}
	if (node.nextSibling != kNoSlot) {
		m_nodes[node.nextSibling].prevSibling = node.prevSibling;
	} else {
		up.lastChild = node.prevSibling;
	}
	node.parent = node.prevSibling = node.nextSibling = kNoSlot;
}

void ObjectTable::Index(uint32_t slot)
{
	uint32_t scope = NameScope(slot);
	if (scope == kNoSlot) {
		return;
	}
	uint32_t nameId = m_nodes[slot].nameId;
	if (m_nodes[slot].sharedName) {
		m_sharedNames[ScopedNameKey(scope, nameId)].insert(slot); // a name made to be shared stays with both
		return;
	}
	uint32_t hash = ScopeHash(scope, nameId);
	// A name taken meanwhile (an undo putting back an older object) goes to
	// the object indexed last, as a map would have it.
	uint32_t holder = m_scopeIndex.Find(
	    hash, [&](uint32_t other) { return m_nodes[other].nameId == nameId && NameScope(other) == scope; });
	if (holder != IdIndex::kNone) {
		m_scopeIndex.Erase(hash, holder);
	}
	m_scopeIndex.Insert(hash, slot);
}

void ObjectTable::Unindex(uint32_t slot)
{
	uint32_t scope = NameScope(slot);
	if (scope != kNoSlot) {
		uint32_t nameId = m_nodes[slot].nameId;
		if (m_nodes[slot].sharedName) {
			auto shared = m_sharedNames.find(ScopedNameKey(scope, nameId));
			if (shared != m_sharedNames.end() && shared->second.erase(slot) != 0 && shared->second.empty()) {
				m_sharedNames.erase(shared);
			}
		} else {
			m_scopeIndex.Erase(ScopeHash(scope, nameId), slot);
		}
		if (m_freeNames.Searching()) {
			m_freeNames.NoteNameFreed(scope, Name(slot), m_names);
		}
	}
}

void ObjectTable::DestroySubtree(uint32_t top)
{
	if (m_nodes[top].firstChild == kNoSlot) {
		// A leaf, as constraints and operators are: no walk needed.
		Unindex(top);
		Unlink(top);
		Release(top);
		return;
	}
	// Unindex while the links still tell each node's scope, then free.
	std::vector<uint32_t> doomed;
	ForEachInSubtree(top, [this, &doomed](uint32_t slot) {
		Unindex(slot);
		doomed.push_back(slot);
	});
	Unlink(top);
	ReleaseAll(doomed);
}

void ObjectTable::Rename(uint32_t slot, std::wstring_view name)
{
	Unindex(slot);
	uint32_t scope = NameScope(slot);
	std::wstring finalName = scope != kNoSlot ? FreeName(scope, m_nodes[slot].parent, name) : std::wstring(name);
	m_nodes[slot].nameId = m_names.Intern(finalName);
	Index(slot);
}

uint32_t ObjectTable::FindChild(uint32_t parent, std::wstring_view name) const
{
	if (parent == kNoSlot) {
		return kNoSlot;
	}
	for (uint32_t child = m_nodes[parent].firstChild; child != kNoSlot; child = m_nodes[child].nextSibling) {
		if (Name(child) == name) {
			return child;
		}
	}
	return kNoSlot;
}

uint32_t ObjectTable::FindChildOfClass(uint32_t parent, XSI::siClassID classId) const
{
	for (uint32_t child = m_nodes[parent].firstChild; child != kNoSlot; child = m_nodes[child].nextSibling) {
		if (m_nodes[child].classId == classId) {
			return child;
		}
	}
	return kNoSlot;
}

void ObjectTable::CompactNames()
{
	NameTable kept;
	for (Node& node : m_nodes) {
		if (node.classId != XSI::siUnknownClassID) {
			node.nameId = kept.Intern(m_names.Text(node.nameId));
			node.typeNameId = kept.Intern(m_names.Text(node.typeNameId));
		}
	}
	m_names = std::move(kept);
	m_scopeIndex.Clear();
	m_sharedNames.clear();
	m_freeNames.Clear(); // keyed by the old name ids: searches start again from 1
	for (uint32_t slot = 1; slot < m_nodes.size(); ++slot) {
		if (m_nodes[slot].classId != XSI::siUnknownClassID && !m_nodes[slot].detached) {
			Index(slot);
		}
	}
}

void ObjectTable::SortFreeSlots()
{
	std::sort(m_free.begin(), m_free.end(), std::greater<uint32_t>()); // taken from the back
}

uint32_t ObjectTable::Owning3DObject(uint32_t slot) const
{
	while (slot != kNoSlot && !Is3DObject(m_nodes[slot].classId)) {
		slot = m_nodes[slot].parent;
	}
	return slot;
}

} // namespace host_engine
