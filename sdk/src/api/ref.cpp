#include "api/journal_call.h"
#include "engine/ref_handles.h"
#include "engine/class_info.h"
#include "engine/host.h"

#include <xsi_status.h>

namespace XSI {

namespace {

const host_engine::Node* Lookup(const CRef& ref)
{
	return host_engine::Host::Current().NodeOf(ref);
}

} // namespace

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
	return CString(host_engine::ClassIdName(GetClassID()));
}

bool CRef::IsValid() const
{
	return Lookup(*this) != nullptr;
}

CRef::operator bool() const
{
	return IsValid();
}

bool CRef::operator<(const CRef& in_ref) const
{
	return m_slot != in_ref.m_slot ? m_slot < in_ref.m_slot : m_generation < in_ref.m_generation;
}

bool CRef::operator>(const CRef& in_ref) const
{
	return in_ref < *this;
}

CStatus CRef::Set(const CString& in_path)
{
	host_engine::Host& host = host_engine::Host::Current();
	*this = host.RefOf(host.Objects().Resolve(in_path.GetWideString()));
	return IsValid() ? CStatus::OK : CStatus::InvalidArgument;
}

CString CRef::GetAsText() const
{
	JournalCall journal("CRef.GetAsText", *this);
	host_engine::Host& host = host_engine::Host::Current();
	uint32_t slot = host.SlotOf(*this);
	return slot == host_engine::kNoSlot ? CString() : CString(host.FullName(slot).c_str());
}

CRefArray::CRefArray(LONG in_lSize) : m_items(in_lSize > 0 ? static_cast<size_t>(in_lSize) : 0) {}
CRefArray::CRefArray(const CRefArray& in_array) : m_items(in_array.m_items) {}
CRefArray::~CRefArray() {}

CRefArray& CRefArray::operator=(const CRefArray& in_array)
{
	m_items = in_array.m_items;
	return *this;
}

CRefArray& CRefArray::operator+=(const CRefArray& in_array)
{
	CRefArray added(in_array); // `in_array` may be this array
	m_items.reserve(m_items.size() + added.m_items.size());
	for (const CRef& item : added.m_items) {
		m_items.push_back(item);
	}
	return *this;
}

const CRef& CRefArray::OutOfRange()
{
	static const CRef invalid;
	return invalid;
}

CRef& CRefArray::Scratch()
{
	static CRef scratch; // the host calls plug-ins from one thread
	scratch = CRef();
	return scratch;
}

CRef CRefArray::GetItem(LONG in_index) const
{
	return (*this)[in_index];
}

CRef CRefArray::GetItem(const CString& in_name) const
{
	host_engine::Host& host = host_engine::Host::Current();
	for (const CRef& item : m_items) {
		uint32_t slot = host.SlotOf(item);
		if (slot != host_engine::kNoSlot && host.Objects().Name(slot) == in_name.GetWideString()) {
			return item;
		}
	}
	return CRef();
}

void CRefArray::Add(const CRef& in_item)
{
	m_items.push_back(in_item);
}

LONG CRefArray::GetCount() const
{
	return static_cast<LONG>(m_items.size());
}

bool CRefArray::IsValid() const
{
	for (const CRef& item : m_items) {
		if (!item.IsValid()) {
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
	host_engine::Host& host = host_engine::Host::Current();
	const host_engine::ObjectTable& objects = host.Objects();
	std::vector<host_engine::Family> families;
	for (LONG i = 0; i < in_strFam.GetCount(); ++i) {
		families.push_back(host_engine::FamilyFromName(in_strFam[i].GetWideString()));
	}
	CRefArray kept;
	kept.m_items.reserve(m_items.size());
	for (const CRef& item : m_items) {
		const host_engine::Node* node = host.NodeOf(item);
		if (node == nullptr) {
			continue;
		}
		if (!in_strType.IsEmpty() && in_strType != host_engine::ClassIdName(node->classId)) {
			continue;
		}
		std::wstring_view name = objects.Names().Text(node->nameId);
		if (!in_strObjName.IsEmpty() && in_strObjName != CString(name.data(), static_cast<ULONG>(name.size()))) {
			continue;
		}
		bool inFamily = families.empty();
		for (size_t i = 0; i < families.size() && !inFamily; ++i) {
			inFamily = host_engine::IsInFamily(node->classId, families[i], host.Readings());
		}
		if (inFamily) {
			kept.m_items.push_back(item);
		}
	}
	io_array.m_items = kept.m_items;
	return io_array.m_items.empty() ? CStatus::False : CStatus::OK;
}

} // namespace XSI
