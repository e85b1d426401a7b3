// Stand-in for the host's xsi_command.h: a registered command.
#ifndef XSI_COMMAND_H
#define XSI_COMMAND_H

#include "xsi_siobject.h"
#include "xsi_value.h"

namespace XSI {

class SICPPSDKDECL Command : public SIObject
{
public:
	Command();
	Command(const CRef& in_ref);
	Command(const Command& in_obj);
	~Command();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Command& operator=(const Command& in_obj);
	Command& operator=(const CRef& in_ref);

	CStatus EnableReturnValue(bool in_bEnable);
	bool IsReturnValueEnabled();

private:
	Command* operator&() const;
	Command* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Command, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_COMMAND_H
