// CRef and CRefArray. A reference's word names a slot of the host's object
// table and the generation the slot had (engine/ref_handles.h); an array's
// pointer leads to a block of such references.
#include "class_id_names.h"
#include "item_block.h"
#include "journal_call.h"
#include "engine/class_info.h"
#include "engine/current_host.h"
#include "engine/object_paths.h"
#include "engine/plugin_fault.h"
#include "engine/ref_handles.h"

#include <xsi_status.h>

#include <string_view>
#include <utility>
#include <vector>

namespace XSI {

namespace {

const host_engine::Node* Lookup(const CRef& ref)
{
	return host_engine::CurrentHost().Scene().NodeOf(ref);
}

} // namespace

CRef::CRef() : m_ptr(nullptr) {}

CRef::CRef(const CRef& in_ref) : m_ptr(in_ref.m_ptr) {}

CRef::~CRef() {}

CRef& CRef::operator=(const CRef& in_ref)
{
	m_ptr = in_ref.m_ptr;
	return *this;
}

siClassID CRef::GetClassID() const
{
	const host_engine::Node* node = Lookup(*this);
	return node ? node->classId : siUnknownClassID;
}

bool CRef::IsA(siClassID in_classID) const
{
	const host_engine::Node* node = Lookup(*this);
	return node != nullptr && host_engine::IsKindOf(node->classId, in_classID);
}

CString CRef::GetClassIDName() const
{
	JournalCall journal("CRef.GetClassIDName", *this);
	return ClassIdNameText(GetClassID());
}

bool CRef::IsValid() const
{
	return Lookup(*this) != nullptr;
}

CRef::operator bool() const
{
	return IsValid();
}

bool CRef::operator==(const CRef& in_ref) const
{
	return m_ptr == in_ref.m_ptr;
}

bool CRef::operator!=(const CRef& in_ref) const
{
	return m_ptr != in_ref.m_ptr;
}

// By slot, then generation: the slot has the word's high bits.
bool CRef::operator<(const CRef& in_ref) const
{
	return host_engine::WordOf(*this) < host_engine::WordOf(in_ref);
}

bool CRef::operator>(const CRef& in_ref) const
{
	return in_ref < *this;
}

CStatus CRef::Set(const CString& in_path)
{
	host_engine::Host& host = host_engine::CurrentHost();
	*this = host.Scene().RefOf(host_engine::ResolvePath(host.Scene().Objects(), in_path.GetWideString()));
	return IsValid() ? CStatus::OK : CStatus::InvalidArgument;
}

CString CRef::GetAsText() const
{
	JournalCall journal("CRef.GetAsText", *this);
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t slot = host.Scene().SlotOf(*this);
	return slot == host_engine::kNoSlot ? CString() : CString(host.Scene().FullName(slot).c_str());
}

// m_count is the number of references; m_items leads to their block.
namespace {

using RefBlock = ItemBlock<CRef>;

RefBlock* BlockOf(void* items)
{
	return static_cast<RefBlock*>(items);
}

} // namespace

CRefArray::CRefArray(LONG in_lSize) : m_count(0), m_items(nullptr)
{
	if (in_lSize > 0) {
		RefBlock* block = RefBlock::Make(static_cast<size_t>(in_lSize));
		for (LONG i = 0; i < in_lSize; ++i) {
			new (block->Items() + i) CRef();
		}
		m_items = block;
		m_count = in_lSize;
	}
}

CRefArray::CRefArray(const CRefArray& in_array)
    : m_count(in_array.m_count), m_items(RefBlock::Copy(BlockOf(in_array.m_items), static_cast<size_t>(m_count)))
{
}

CRefArray::~CRefArray()
{
	RefBlock::Release(BlockOf(m_items), static_cast<size_t>(m_count));
}

CRefArray& CRefArray::operator=(const CRefArray& in_array)
{
	if (this == &in_array) {
		return *this;
	}
	size_t count = static_cast<size_t>(in_array.m_count);
	size_t had = static_cast<size_t>(m_count);
	RefBlock* block = BlockOf(m_items);
	if (block != nullptr && count <= block->Capacity()) {
		// Into the block it has: references are one word each.
		const CRef* from = count > 0 ? BlockOf(in_array.m_items)->Items() : nullptr;
		CRef* to = block->Items();
		for (size_t i = 0; i < count; ++i) {
			if (i < had) {
				to[i] = from[i];
			} else {
				new (to + i) CRef(from[i]);
			}
		}
		for (size_t i = count; i < had; ++i) {
			to[i].CRef::~CRef();
		}
	} else {
		RefBlock* copy = RefBlock::Copy(BlockOf(in_array.m_items), count);
		RefBlock::Release(block, had);
		m_items = copy;
	}
	m_count = in_array.m_count;
	return *this;
}

CRefArray& CRefArray::operator+=(const CRefArray& in_array)
{
	CRefArray added(in_array); // `in_array` may be this array
	RefBlock* block = BlockOf(m_items);
	size_t count = static_cast<size_t>(m_count);
	RefBlock::Reserve(block, count, count + static_cast<size_t>(added.m_count));
	m_items = block;
	for (LONG i = 0; i < added.m_count; ++i) {
		new (block->Items() + m_count) CRef(BlockOf(added.m_items)->Items()[i]);
		++m_count;
	}
	return *this;
}

const CRef& CRefArray::operator[](LONG in_index) const
{
	host_engine::CheckIndex("CRefArray::operator[]", in_index, m_count, "items");
	return BlockOf(m_items)->Items()[in_index];
}

CRef& CRefArray::operator[](LONG in_index)
{
	host_engine::CheckIndex("CRefArray::operator[]", in_index, m_count, "items");
	return BlockOf(m_items)->Items()[in_index];
}

CRef CRefArray::GetItem(LONG in_index) const
{
	host_engine::CheckIndex("CRefArray::GetItem", in_index, m_count, "items");
	return BlockOf(m_items)->Items()[in_index];
}

CRef CRefArray::GetItem(const CString& in_name) const
{
	host_engine::Host& host = host_engine::CurrentHost();
	std::wstring_view name(in_name.GetWideString(), in_name.Length());
	for (LONG i = 0; i < m_count; ++i) {
		const CRef& item = (*this)[i];
		uint32_t slot = host.Scene().SlotOf(item);
		if (slot != host_engine::kNoSlot && host.Scene().Objects().Name(slot) == name) {
			return item;
		}
	}
	return CRef();
}

void CRefArray::Add(const CRef& in_item)
{
	CRef item(in_item); // `in_item` may live in this array
	RefBlock* block = BlockOf(m_items);
	RefBlock::Reserve(block, static_cast<size_t>(m_count), static_cast<size_t>(m_count) + 1);
	m_items = block;
	new (block->Items() + m_count) CRef(item);
	++m_count;
}

LONG CRefArray::GetCount() const
{
	return m_count;
}

bool CRefArray::IsValid() const
{
	for (LONG i = 0; i < m_count; ++i) {
		if (!(*this)[i].IsValid()) {
			return false;
		}
	}
	return true;
}

CRefArray::operator bool() const
{
	return IsValid();
}

siClassID CRefArray::GetClassID() const
{
	return siUnknownClassID;
}

CString CRefArray::GetClassIDName() const
{
	return CString(L"CRefArray");
}

bool CRefArray::IsA(siClassID) const
{
	return false;
}

CStatus CRefArray::Filter(const CString& in_strType, const CStringArray& in_strFam, const CString& in_strObjName,
                          CRefArray& io_array) const
{
	JournalCall journal("CRefArray.Filter", "CRefArray", in_strType, in_strFam, in_strObjName);
	host_engine::Host& host = host_engine::CurrentHost();
	const host_engine::ObjectTable& objects = host.Scene().Objects();
	std::vector<host_engine::Family> families;
	for (LONG i = 0; i < in_strFam.GetCount(); ++i) {
		families.push_back(host_engine::FamilyFromName(in_strFam[i].GetWideString()));
	}
	std::wstring_view type(in_strType.GetWideString(), in_strType.Length());
	std::wstring_view name(in_strObjName.GetWideString(), in_strObjName.Length());
	// Kept in a block of its own, as `io_array` may be this array, then
	// handed over whole.
	CRefArray kept(m_count);
	LONG keptCount = 0;
	for (LONG i = 0; i < m_count; ++i) {
		const CRef& item = (*this)[i];
		const host_engine::Node* node = host.Scene().NodeOf(item);
		if (node == nullptr) {
			continue;
		}
		if (!type.empty() && type != host_engine::ClassIdName(node->classId)) {
			continue;
		}
		if (!name.empty() && name != objects.Names().Text(node->nameId)) {
			continue;
		}
		bool inFamily = families.empty();
		for (size_t f = 0; f < families.size() && !inFamily; ++f) {
			inFamily = host_engine::IsInFamily(node->classId, families[f], host.Readings());
		}
		if (inFamily) {
			BlockOf(kept.m_items)->Items()[keptCount++] = item;
		}
	}
	// The references past those kept are invalid ones: dropping them needs no more than a count.
	kept.m_count = keptCount;
	std::swap(io_array.m_count, kept.m_count);
	std::swap(io_array.m_items, kept.m_items);
	return io_array.m_count == 0 ? CStatus::False : CStatus::OK;
}

} // namespace XSI
