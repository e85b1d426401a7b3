// Stand-in for the host's xsi_status.h: HRESULT-style status codes.
#ifndef XSI_STATUS_H
#define XSI_STATUS_H

#include "sicppsdk.h"
#include "xsi_string.h"

namespace XSI {

class SICPPSDKDECL CStatus
{
public:
	enum Code {
		Undefined = 0xFFFFFFFF,
		OK = 0,
		False = 1,
		Fail = 0x80004005,
		InvalidArgument = 0x80070057,
		OutOfMemory = 0x8007000E,
		AccessDenied = 0x80070005,
		Unexpected = 0x8000FFFF,
		NotImpl = 0x80004001,
		MemberNotFound = 0x80020003,
		Abort = 0x80004004,
		BadVarType = 0x80020008
	};

	CStatus(Code in_code = OK);
	CStatus(LONG in_code);

	Code GetCode() const;
	bool Succeeded() const;
	void PutCode(Code in_code);
	CString GetDescription() const;
	CStatus& operator=(Code in_code);
	bool operator==(const CStatus& in_status) const;
	bool operator!=(const CStatus& in_status) const;
	bool operator==(Code in_code) const;
	bool operator!=(Code in_code) const;
	void AssertSucceeded(const CString& in_message = CString()) const;

private:
	Code m_code;
};

XSI_STANDIN_ASSERT_LAYOUT(CStatus, 4, 4, 4, 4, true);

SICPPSDKDECL bool operator==(CStatus::Code in_code, const CStatus& in_status);
SICPPSDKDECL bool operator!=(CStatus::Code in_code, const CStatus& in_status);

} // namespace XSI

#endif // XSI_STATUS_H
