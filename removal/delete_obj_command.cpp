#include "removal/delete_obj_command.h"

#include "removal/removal_literals.h"

using namespace XSI;

void DeleteObjCommand(const CValue& in_target)
{
	CValueArray args(1);
	args[0] = in_target;
	CValue ignored;
	Application().ExecuteCommand(kDeleteObjCommand, args, ignored);
}
