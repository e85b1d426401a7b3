#include "api/journal_call.h"
#include "engine/class_info.h"

#include <xsi_base.h>

namespace XSI {

CString CBase::GetClassIDName() const
{
	JournalCall journal("CBase.GetClassIDName", m_ref);
	// Documented as the API class's type: an X3DObject handle holding a
	// chain bone answers "X3DObject". What the object is, its reference tells.
	if (host_engine::Host::Current().Readings().HandleNamesItsApiClass()) {
		return CString(host_engine::ClassIdName(GetClassID()));
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

void CBase::SetPtr(void* in_ptr)
{
	m_ptr = in_ptr;
}

void CBase::SetRef(const CRef& in_ref)
{
	m_ref = in_ref;
}

void CBase::Clear()
{
	m_ref = CRef();
	m_ptr = nullptr;
}

void* CBase::GetPtr() const
{
	return m_ptr;
}

} // namespace XSI
