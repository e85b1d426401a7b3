// An object-API call's arguments and target as the journal records them:
// each argument a JSON value.
#include "journal_call.h"

#include "engine/class_info.h"
#include "engine/json_text.h"
#include "engine/utf8.h"

#include <cstdio>

namespace XSI {

namespace journal {

namespace {

// Wide text as a JSON string in UTF-8, safe to show on a terminal as it is:
// --trace prints the journal's arguments unchanged.
std::string Quoted(std::wstring_view text)
{
	std::string out;
	host_engine::AppendJsonString(out, text, host_engine::JsonEscapes::ForTerminal);
	return out;
}

} // namespace

std::string Json(const CString& text)
{
	return Quoted(std::wstring_view(text.GetWideString(), text.Length()));
}

std::string Json(const wchar_t* text)
{
	return Quoted(text ? text : L"");
}

std::string Json(bool value)
{
	return value ? "true" : "false";
}

std::string Json(int value)
{
	return std::to_string(value);
}

std::string Json(long value)
{
	return std::to_string(value);
}

std::string Json(double value)
{
	char text[32];
	std::snprintf(text, sizeof(text), "%.17g", value);
	return text;
}

std::string Json(const CValue& value)
{
	switch (value.m_t) {
	case CValue::siEmpty: return "null";
	case CValue::siBool: return Json(static_cast<bool>(value));
	case CValue::siFloat:
	case CValue::siDouble: return Json(static_cast<double>(value));
	case CValue::siString:
	case CValue::siWStr: return Json(value.GetAsText());
	case CValue::siRef: return Json(static_cast<CRef>(value));
	case CValue::siArray: return Json(static_cast<CValueArray&>(value));
	default: return std::string(value.GetAsText().GetAsciiString()); // the integers
	}
}

namespace {

template <typename Array> std::string JsonArray(const Array& items)
{
	std::string out = "[";
	for (LONG i = 0; i < items.GetCount(); ++i) {
		out += (i == 0 ? "" : ", ") + Json(items[i]);
	}
	return out + "]";
}

} // namespace

std::string Json(const CValueArray& values)
{
	return JsonArray(values);
}

std::string Json(const CStringArray& texts)
{
	return JsonArray(texts);
}

namespace {

std::wstring TargetName(const CRef& ref)
{
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t slot = host.Scene().SlotOf(ref);
	if (slot == host_engine::kNoSlot) {
		return L"(invalid)";
	}
	std::wstring name = host.Scene().FullName(slot);
	return name.empty() ? std::wstring(host_engine::ClassIdName(host.Scene().Objects().At(slot).classId)) : name;
}

} // namespace

// An object passed by reference, told apart from one passed by its name.
std::string Json(const CRef& ref)
{
	return "{\"ref\": " + Quoted(TargetName(ref)) + "}";
}

std::string Target(const CRef& ref)
{
	std::string out;
	host_engine::AppendUtf8(out, TargetName(ref));
	return out;
}

} // namespace journal

} // namespace XSI
