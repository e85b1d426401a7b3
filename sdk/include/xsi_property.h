// Stand-in for the host's xsi_property.h: a property of a scene object.
#ifndef XSI_PROPERTY_H
#define XSI_PROPERTY_H

#include "xsi_projectitem.h"
#include "xsi_status.h"

namespace XSI {

class SICPPSDKDECL Property : public ProjectItem
{
public:
	Property();
	Property(const CRef& in_ref);
	Property(const Property& in_obj);
	~Property();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	Property& operator=(const Property& in_obj);
	Property& operator=(const CRef& in_ref);

private:
	Property* operator&() const;
	Property* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(Property, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_PROPERTY_H
