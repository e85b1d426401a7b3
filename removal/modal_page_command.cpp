#include "removal/modal_page_command.h"

#include "removal/removal_literals.h"

using namespace XSI;

CValue InspectObjCommand(const CString& in_objects, const CString& in_keywords, const CString& in_title,
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
