// A plug-in that writes through the references the host's arrays hand out,
// holds them across other calls on their array, and logs what the arrays then
// hold: built in another ABI, it shows the stand-in's arrays keep a write
// through a reference as the host's own do. Named as Quillmere's, so that the
// host program takes it for one; it needs three objects selected.
#include <xsi_application.h>
#include <xsi_pluginregistrar.h>
#include <xsi_selection.h>
#include <xsi_siobject.h>
#include <xsi_status.h>
#include <xsi_value.h>

using namespace XSI;

namespace {

void LogNames(const wchar_t* what, const CRefArray& refs)
{
	CString line(what);
	for (LONG i = 0; i < refs.GetCount(); ++i) {
		line += L" ";
		line += SIObject(refs[i]).GetName();
	}
	Application().LogMessage(line);
}

} // namespace

SICALLBACK XSILoadPlugin(PluginRegistrar& in_reg)
{
	in_reg.PutName(L"Array References Plug-in");
	in_reg.RegisterCommand(L"Quillmere", L"Quillmere");
	return CStatus::OK;
}

SICALLBACK Quillmere_Execute(CRef&)
{
	CRefArray refs = Application().GetSelection().GetArray();
	if (refs.GetCount() < 3) {
		Application().LogMessage(L"select three objects or more");
		return CStatus::OK;
	}
	// Two references held at once, swapped through.
	CRef& first = refs[0];
	CRef& second = refs[1];
	CRef kept = first;
	first = second;
	second = kept;
	LogNames(L"swapped:", refs);

	// A reference written through after other calls on its array, then the array grown.
	CRef& last = refs[refs.GetCount() - 1];
	LONG count = refs.GetCount();
	last = refs.GetItem(0);
	refs.Add(refs[1]);
	LogNames(count + 1 == refs.GetCount() ? L"written across calls:" : L"lost count:", refs);

	// Copies are their own: a write into the copy leaves the original.
	CRefArray copy(refs);
	copy[0] = refs[2];
	LogNames(L"copy:", copy);
	LogNames(L"original:", refs);

	// Values and texts written through their references.
	CValueArray values(2);
	values[0] = refs[2];
	CValue& text = values[1];
	text = CString(L"a text");
	CStringArray names(2);
	CString& name = names[1];
	name = SIObject(values[0]).GetName();
	names[0] = values[1].GetAsText();
	Application().LogMessage(L"values and texts: " + names[0] + L", " + names[1] + L", " +
	                         CValue(static_cast<LONG>(values.GetCount())).GetAsText());
	return CStatus::OK;
}
