// CBase: a virtual table pointer and a reference, as in the host.
#include "class_id_names.h"
#include "journal_call.h"
#include "engine/ref_handles.h"

#include <xsi_base.h>

namespace XSI {

CBase::CBase() {}

CBase::~CBase() {}

CString CBase::GetClassIDName() const
{
	JournalCall journal("CBase.GetClassIDName", m_ref);
	// Documented as the API class's type: an X3DObject handle holding a
	// chain bone answers "X3DObject". What the object is, its reference tells.
	if (host_engine::CurrentHost().Readings().HandleNamesItsApiClass()) {
		return ClassIdNameText(GetClassID());
	}
	return m_ref.GetClassIDName();
}

bool CBase::IsA(siClassID in_classID) const
{
	return m_ref.IsA(in_classID);
}

bool CBase::IsA(const CRef& in_ref) const
{
	return in_ref.IsA(GetClassID());
}

CStatus CBase::SetObject(const CRef& in_ref)
{
	if (!in_ref.IsA(GetClassID())) {
		ResetObject();
		return CStatus::InvalidArgument;
	}
	m_ref = in_ref;
	return CStatus::OK;
}

bool CBase::IsValid() const
{
	JournalCall journal("CBase.IsValid", m_ref);
	return m_ref.IsValid();
}

void CBase::ResetObject()
{
	m_ref = CRef();
}

CBase::operator CRef&()
{
	return m_ref;
}

bool CBase::operator==(const CBase& in_obj) const
{
	return m_ref == in_obj.m_ref;
}

bool CBase::operator!=(const CBase& in_obj) const
{
	return m_ref != in_obj.m_ref;
}

const CRef& CBase::GetRef() const
{
	return m_ref;
}

// The host's object pointer is its reference's: here, the reference's word.
void CBase::SetPtr(void* in_ptr)
{
	host_engine::SetWord(m_ref, reinterpret_cast<host_engine::RefWord>(in_ptr));
}

void CBase::SetRef(const CRef& in_ref)
{
	m_ref = in_ref;
}

void CBase::Clear()
{
	m_ref = CRef();
}

void* CBase::GetPtr() const
{
	return reinterpret_cast<void*>(host_engine::WordOf(m_ref));
}

} // namespace XSI
