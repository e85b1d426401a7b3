// The core library's data constants: the family names.
#include <xsi_decl.h>

namespace XSI {

XSIDECL const wchar_t* si3DObjectFamily = L"3D Objects";
XSIDECL const wchar_t* siChainElementFamily = L"Chain Elements";
XSIDECL const wchar_t* siConstraintFamily = L"Constraints";
XSIDECL const wchar_t* siOperatorFamily = L"Operators";
XSIDECL const wchar_t* siPropertyFamily = L"Properties";
XSIDECL const wchar_t* siGroupFamily = L"Groups";
XSIDECL const wchar_t* siNullPrimitiveFamily = L"Nulls";

} // namespace XSI
