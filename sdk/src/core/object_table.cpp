#include "core/object_table.h"

#include "core/class_info.h"

#include <algorithm>
#include <functional>

namespace host_core {

NameTable::NameTable()
{
	// Id 0 is the empty text, so a zeroed node has an empty name.
	m_texts.emplace_back();
	m_ids.emplace(std::wstring(), 0);
}

uint32_t NameTable::Intern(const std::wstring& text)
{
	auto found = m_ids.find(text);
	if (found != m_ids.end()) {
		return found->second;
	}
	uint32_t id = static_cast<uint32_t>(m_texts.size());
	m_texts.push_back(text);
	m_ids.emplace(text, id);
	return id;
}

uint32_t NameTable::Find(const std::wstring& text) const
{
	auto found = m_ids.find(text);
	return found == m_ids.end() ? 0 : found->second;
}

namespace {

uint64_t ScopeKey(uint32_t scope, uint32_t nameId)
{
	return (static_cast<uint64_t>(scope) << 32) | nameId;
}

std::vector<std::wstring> SplitPath(const std::wstring& path)
{
	std::vector<std::wstring> parts(1);
	for (wchar_t c : path) {
		if (c == L'.') {
			parts.emplace_back();
		} else {
			parts.back() += c;
		}
	}
	return parts;
}

} // namespace

ObjectTable::ObjectTable()
{
	m_nodes.emplace_back(); // slot 0: "no object"
}

uint32_t ObjectTable::Allocate()
{
	if (!m_free.empty()) {
		uint32_t slot = m_free.back();
		m_free.pop_back();
		return slot;
	}
	m_nodes.emplace_back();
	return static_cast<uint32_t>(m_nodes.size() - 1);
}

void ObjectTable::Release(uint32_t slot)
{
	Node& node = m_nodes[slot];
	uint32_t generation = node.generation + 1;
	node = Node();
	node.generation = generation;
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
	auto found = m_scopeIndex.find(ScopeKey(scope, nameId));
	return found == m_scopeIndex.end() ? kNoSlot : found->second;
}

bool ObjectTable::NameTaken(uint32_t scope, uint32_t parent, const std::wstring& name) const
{
	if (scope != kNoSlot) {
		uint32_t nameId = m_names.Find(name);
		return (nameId != 0 || name.empty()) && FindInScope(scope, nameId) != kNoSlot;
	}
	return FindChild(parent, name) != kNoSlot;
}

std::wstring ObjectTable::FreeName(uint32_t scope, uint32_t parent, const std::wstring& base) const
{
	std::wstring candidate = base;
	for (unsigned long suffix = 1; NameTaken(scope, parent, candidate); ++suffix) {
		candidate = base + std::to_wstring(suffix);
	}
	return candidate;
}

Handle ObjectTable::Create(XSI::siClassID classId, const std::wstring& name, uint32_t parent, bool uniqueAmongSiblings)
{
	uint32_t scope = ScopeFor(classId, parent);
	bool unique = scope != kNoSlot || uniqueAmongSiblings;
	std::wstring finalName = unique ? FreeName(scope, parent, name) : name;

	uint32_t slot = Allocate();
	Node& node = m_nodes[slot];
	node.classId = classId;
	node.nameId = m_names.Intern(finalName);
	Link(slot, parent);
	if (scope != kNoSlot) {
		m_scopeIndex[ScopeKey(scope, node.nameId)] = slot;
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

DetachedSubtree ObjectTable::DetachSubtree(uint32_t top)
{
	DetachedSubtree subtree;
	subtree.top = top;
	subtree.parent = HandleOf(m_nodes[top].parent);
	subtree.nextSibling = HandleOf(m_nodes[top].nextSibling);
	ForEachInSubtree(top, [this](uint32_t slot) {
		Unindex(slot);
		m_nodes[slot].detached = true;
		++m_detachedCount;
	});
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
	std::sort(doomed.begin(), doomed.end(), std::greater<uint32_t>());
	for (uint32_t slot : doomed) {
		Release(slot);
	}
	m_detachedCount -= doomed.size();
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
	if (scope != kNoSlot) {
		m_scopeIndex[ScopeKey(scope, m_nodes[slot].nameId)] = slot;
	}
}

void ObjectTable::Unindex(uint32_t slot)
{
	uint32_t scope = NameScope(slot);
	if (scope == kNoSlot) {
		return;
	}
	auto found = m_scopeIndex.find(ScopeKey(scope, m_nodes[slot].nameId));
	if (found != m_scopeIndex.end() && found->second == slot) {
		m_scopeIndex.erase(found);
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
	std::vector<uint32_t> pending(1, top);
	std::vector<uint32_t> doomed;
	while (!pending.empty()) {
		uint32_t slot = pending.back();
		pending.pop_back();
		doomed.push_back(slot);
		Unindex(slot);
		for (uint32_t child = m_nodes[slot].firstChild; child != kNoSlot; child = m_nodes[child].nextSibling) {
			pending.push_back(child);
		}
	}
	Unlink(top);
	// Freed highest first, so the lowest come back first: what is built next
	// lies in ascending slots, close together in memory, as a new scene would.
	std::sort(doomed.begin(), doomed.end(), std::greater<uint32_t>());
	for (uint32_t slot : doomed) {
		Release(slot);
	}
}

void ObjectTable::Rename(uint32_t slot, const std::wstring& name)
{
	Unindex(slot);
	uint32_t scope = NameScope(slot);
	std::wstring finalName = scope != kNoSlot ? FreeName(scope, m_nodes[slot].parent, name) : name;
	m_nodes[slot].nameId = m_names.Intern(finalName);
	Index(slot);
}

std::wstring ObjectTable::FullName(uint32_t slot) const
{
	if (slot == m_root || m_nodes[slot].parent == kNoSlot) {
		return Name(slot);
	}
	uint32_t up = m_nodes[slot].parent;
	if (Is3DObject(m_nodes[slot].classId)) {
		// 3D objects are named by their model, not by the object they hang under.
		up = NameScope(slot);
		if (up == m_root) {
			return Name(slot);
		}
	}
	return FullName(up) + L"." + Name(slot);
}

uint32_t ObjectTable::FindChild(uint32_t parent, const std::wstring& name) const
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

uint32_t ObjectTable::Resolve(const std::wstring& path) const
{
	if (m_root == kNoSlot || path.empty()) {
		return kNoSlot;
	}
	std::vector<std::wstring> parts = SplitPath(path);
	uint32_t current = m_root;
	size_t first = (parts[0] == Name(m_root)) ? 1 : 0;
	for (size_t i = first; i < parts.size() && current != kNoSlot; ++i) {
		uint32_t next = kNoSlot;
		if (m_nodes[current].classId == XSI::siModelID) {
			uint32_t nameId = m_names.Find(parts[i]);
			if (nameId != 0) {
				next = FindInScope(current, nameId);
			}
		}
		if (next == kNoSlot && i > 0) {
			next = FindChild(current, parts[i]);
		}
		current = next;
	}
	return current;
}

void ObjectTable::CompactNames()
{
	NameTable kept;
	for (Node& node : m_nodes) {
		if (node.classId != XSI::siUnknownClassID) {
			node.nameId = kept.Intern(m_names.Text(node.nameId));
			node.auxNameId = kept.Intern(m_names.Text(node.auxNameId));
		}
	}
	m_names = std::move(kept);
	m_scopeIndex.clear();
	for (uint32_t slot = 1; slot < m_nodes.size(); ++slot) {
		if (m_nodes[slot].classId != XSI::siUnknownClassID && !m_nodes[slot].detached) {
			Index(slot);
		}
	}
}

uint32_t ObjectTable::Owning3DObject(uint32_t slot) const
{
	while (slot != kNoSlot && !Is3DObject(m_nodes[slot].classId)) {
		slot = m_nodes[slot].parent;
	}
	return slot;
}

} // namespace host_core
