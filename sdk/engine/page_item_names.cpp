// The one rule by which the page drivers compare a word with a page item's
// name or label.
#include "engine/page_item_names.h"

namespace host_engine {

bool IsPageItemBlank(wchar_t c)
{
	return c == L' ' || c == L'\t';
}

std::wstring PageItemKey(const std::wstring& text)
{
	std::wstring key;
	for (wchar_t c : text) {
		if (IsPageItemBlank(c)) {
			continue;
		}
		key += c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c;
	}
	return key;
}

bool SamePageItemName(const std::wstring& a, const std::wstring& b)
{
	return PageItemKey(a) == PageItemKey(b);
}

} // namespace host_engine
