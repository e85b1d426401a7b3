// CStatus: a call's outcome code, whether it succeeded, and its description.
#include <xsi_status.h>

namespace XSI {

CStatus::CStatus(Code in_code) : m_code(in_code) {}
CStatus::CStatus(LONG in_code) : m_code(static_cast<Code>(in_code)) {}

CStatus::Code CStatus::GetCode() const
{
	return m_code;
}

bool CStatus::Succeeded() const
{
	return m_code == OK || m_code == False;
}

void CStatus::PutCode(Code in_code)
{
	m_code = in_code;
}

CString CStatus::GetDescription() const
{
	switch (m_code) {
	case OK: return CString(L"OK");
	case False: return CString(L"False");
	case Fail: return CString(L"Unspecified failure");
	case InvalidArgument: return CString(L"Invalid argument");
	case OutOfMemory: return CString(L"Out of memory");
	case AccessDenied: return CString(L"Access denied");
	case Unexpected: return CString(L"Unexpected failure");
	case NotImpl: return CString(L"Not implemented");
	case MemberNotFound: return CString(L"Member not found");
	case Abort: return CString(L"Operation aborted");
	case BadVarType: return CString(L"Bad variable type");
	default: return CString(L"Undefined");
	}
}

CStatus& CStatus::operator=(Code in_code)
{
	m_code = in_code;
	return *this;
}

bool CStatus::operator==(const CStatus& in_status) const
{
	return m_code == in_status.m_code;
}

bool CStatus::operator!=(const CStatus& in_status) const
{
	return m_code != in_status.m_code;
}

bool CStatus::operator==(Code in_code) const
{
	return m_code == in_code;
}

bool CStatus::operator!=(Code in_code) const
{
	return m_code != in_code;
}

void CStatus::AssertSucceeded(const CString&) const
{
	assert(Succeeded());
}

bool operator==(CStatus::Code in_code, const CStatus& in_status)
{
	return in_status == in_code;
}

bool operator!=(CStatus::Code in_code, const CStatus& in_status)
{
	return in_status != in_code;
}

} // namespace XSI
