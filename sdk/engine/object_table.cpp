#include "engine/object_table.h"

#include "engine/address_sanitizer.h"
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

XSI::CString NameTable::AsString(uint32_t id)
{
	if (kAddressSanitizer) {
		std::wstring_view text = m_texts.Text(id);
		return XSI::CString(text.data(), static_cast<ULONG>(text.size()));
	}
	Answer& answer = m_answers[id % kAnswers];
	if (answer.id != id) {
		std::wstring_view text = m_texts.Text(id);
		answer.text = XSI::CString(text.data(), static_cast<ULONG>(text.size()));
		answer.id = id;
	}
	return answer.text;
}

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
	++m_nameProbes;
	if (scope != kNoSlot) {
		uint32_t nameId = m_names.Find(name);
		return (nameId != 0 || name.empty()) && FindInScope(scope, nameId) != kNoSlot;
	}
	return FindChild(parent, name) != kNoSlot;
}

std::wstring ObjectTable::FreeName(uint32_t scope, uint32_t parent, std::wstring_view base)
{
	std::wstring candidate(base);
	if (!NameTaken(scope, parent, candidate)) {
		return candidate;
	}
	if (scope == kNoSlot) {
		// Among one object's children: a handful, tried one by one.
		for (unsigned long suffix = 1; NameTaken(scope, parent, candidate); ++suffix) {
			candidate = std::wstring(base) + std::to_wstring(suffix);
		}
		return candidate;
	}
	// The lowest free number, as trying 1, 2, 3, ... finds it, but from
	// where the last search for this base stopped. The caller takes the
	// name at once, so the number found is taken from here on.
	SuffixSearch& search = m_suffixSearches[ScopedNameKey(scope, m_names.Intern(base))];
	while (!search.freed.empty()) {
		uint64_t suffix = *search.freed.begin();
		search.freed.erase(search.freed.begin());
		candidate = std::wstring(base) + std::to_wstring(suffix);
		if (!NameTaken(scope, parent, candidate)) {
			return candidate;
		}
	}
	for (;; ++search.next) {
		candidate = std::wstring(base) + std::to_wstring(search.next);
		if (!NameTaken(scope, parent, candidate)) {
			++search.next;
			return candidate;
		}
	}
}

void ObjectTable::NoteNameFreed(uint32_t scope, std::wstring_view name)
{
	// The host writes its numbers in decimal without leading zeros: each
	// such tail of the name may be the number a search gave after its base.
	const size_t kMostDigits = 19; // any number of 19 digits fits in 64 bits
	uint64_t number = 0;
	uint64_t place = 1;
	for (size_t digits = 1; digits <= kMostDigits && digits <= name.size(); ++digits) {
		wchar_t c = name[name.size() - digits];
		if (c < L'0' || c > L'9') {
			return;
		}
		number += static_cast<uint64_t>(c - L'0') * place;
		place *= 10;
		std::wstring_view base = name.substr(0, name.size() - digits);
		uint32_t baseId = m_names.Find(base);
		if (c == L'0' || (baseId == 0 && !base.empty())) {
			continue;
		}
		auto search = m_suffixSearches.find(ScopedNameKey(scope, baseId));
		if (search != m_suffixSearches.end() && number < search->second.next) {
			search->second.freed.insert(number);
		}
	}
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
		if (!m_suffixSearches.empty()) {
			NoteNameFreed(scope, Name(slot));
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

std::wstring ObjectTable::FullName(uint32_t slot) const
{
	if (slot == m_root || m_nodes[slot].parent == kNoSlot) {
		return std::wstring(Name(slot));
	}
	uint32_t up = m_nodes[slot].parent;
	if (Is3DObject(m_nodes[slot].classId)) {
		// 3D objects are named by their model, not by the object they hang under.
		up = NameScope(slot);
		if (up == m_root) {
			return std::wstring(Name(slot));
		}
	}
	return FullName(up) + L"." + std::wstring(Name(slot));
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
			node.typeNameId = kept.Intern(m_names.Text(node.typeNameId));
		}
	}
	m_names = std::move(kept);
	m_scopeIndex.Clear();
	m_sharedNames.clear();
	m_suffixSearches.clear(); // keyed by the old name ids: searches start again from 1
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
