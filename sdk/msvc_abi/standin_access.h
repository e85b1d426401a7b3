// The storage the MSVC-ABI build keeps behind the host's classes: the
// bridge's opaque objects and a reference's word.
#ifndef XSI_MSVC_ABI_STANDIN_ACCESS_H
#define XSI_MSVC_ABI_STANDIN_ACCESS_H

#include <xsi_base.h>
#include <xsi_ref.h>
#include <xsi_string.h>
#include <xsi_value.h>

namespace XSI {

class StandinAccess
{
public:
	static void*& Text(CString& text) { return text.m_text; }
	static void* Text(const CString& text) { return text.m_text; }
	static void*& Items(CStringArray& array) { return array.m_items; }
	static void* Items(const CStringArray& array) { return array.m_items; }
	static void*& Items(CValueArray& array) { return array.m_items; }
	static void* Items(const CValueArray& array) { return array.m_items; }
	static void*& Items(CRefArray& array) { return array.m_items; }
	static void* Items(const CRefArray& array) { return array.m_items; }
	static LONG& Count(CRefArray& array) { return array.m_count; }
	static void*& Word(CRef& ref) { return ref.m_ptr; }
	static void* Word(const CRef& ref) { return ref.m_ptr; }
	static CRef& Ref(CBase& handle) { return handle.m_ref; }
};

} // namespace XSI

#endif
