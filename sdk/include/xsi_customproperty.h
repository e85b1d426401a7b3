// Stand-in for the host's xsi_customproperty.h: a property whose parameters a plug-in defines.
#ifndef XSI_CUSTOMPROPERTY_H
#define XSI_CUSTOMPROPERTY_H

#include "xsi_property.h"
#include "xsi_status.h"

namespace XSI {

class SICPPSDKDECL CustomProperty : public Property
{
public:
	CustomProperty();
	CustomProperty(const CRef& in_ref);
	CustomProperty(const CustomProperty& in_obj);
	~CustomProperty();

	bool IsA(siClassID in_ClassID) const;
	siClassID GetClassID() const;
	CustomProperty& operator=(const CustomProperty& in_obj);
	CustomProperty& operator=(const CRef& in_ref);

	CStatus AddParameter(const CString& in_scriptname, CValue::DataType in_type,
	                     siParamClassification in_classification, INT in_capabilities, const CString& in_name,
	                     const CString& in_description, const CValue& in_default, const CValue& in_min,
	                     const CValue& in_max, const CValue& in_suggestedmin, const CValue& in_suggestedmax,
	                     Parameter& io_parameter);
	CStatus AddParameter(const CString& in_scriptname, CValue::DataType in_type, INT in_capabilities,
	                     const CString& in_name, const CString& in_description, const CValue& in_default,
	                     const CValue& in_min, const CValue& in_max, const CValue& in_suggestedmin,
	                     const CValue& in_suggestedmax, Parameter& io_parameter);
	CStatus AddParameter(const CString& in_scriptname, CValue::DataType in_type, INT in_capabilities,
	                     const CString& in_name, const CString& in_description, const CValue& in_default,
	                     Parameter& io_parameter);

private:
	CustomProperty* operator&() const;
	CustomProperty* operator&();
};

XSI_STANDIN_ASSERT_LAYOUT(CustomProperty, 24, 4, 48, 8, false);

} // namespace XSI

#endif // XSI_CUSTOMPROPERTY_H
