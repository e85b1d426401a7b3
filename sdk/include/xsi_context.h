// Stand-in for the host's xsi_context.h: the context of a plug-in callback.
#ifndef XSI_CONTEXT_H
#define XSI_CONTEXT_H

#include "xsi_base.h"
#include "xsi_value.h"

namespace XSI {

class SICPPSDKDECL Context : public CBase
{
public:
	Context();
	Context(const CRef& in_ref);
	Context(const Context& in_obj);
	~Context();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Context& operator=(const Context& in_obj);
	Context& operator=(const CRef& in_ref);

	CRef GetSource() const;
	CValue GetAttribute(const CString& in_AttributeName);
	CStatus PutAttribute(const CString& in_AttributeName, const CValue& in_value);

private:
	Context* operator&() const;
	Context* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Context, 8, 4, 16, 8, false);

} // namespace XSI

#endif // XSI_CONTEXT_H
