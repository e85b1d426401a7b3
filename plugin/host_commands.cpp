#include "plugin/host_commands.h"

using namespace XSI;

namespace {

const wchar_t* const kDeleteObjCommand = L"DeleteObj";
const wchar_t* const kInspectObjCommand = L"InspectObj";

} // namespace

void DeleteObjCommand(const CValue& in_target)
{
	CValueArray args(1);
	args[0] = in_target;
	CValue ignored;
	Application().ExecuteCommand(kDeleteObjCommand, args, ignored);
}

CValue InspectObjCommand(const CValue& in_objects, const CString& in_keywords, const CString& in_title,
                         const CValue& in_mode, bool in_throwOnCancel)
{
	CValueArray args(5);
	args[0] = in_objects;
	args[1] = in_keywords;
	args[2] = in_title;
	args[3] = in_mode;
	args[4] = in_throwOnCancel;
	CValue ignored;
	CStatus status = Application().ExecuteCommand(kInspectObjCommand, args, ignored);
	return CValue(status == CStatus::OK);
}
