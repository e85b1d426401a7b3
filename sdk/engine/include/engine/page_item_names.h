// How the page drivers read a page item's name or label against a word the
// user or a script gave: one rule, so that every driver takes a word alike.
#ifndef HOST_ENGINE_PAGE_ITEM_NAMES_H
#define HOST_ENGINE_PAGE_ITEM_NAMES_H

#include <string>

namespace host_engine {

// The characters that separate a label's words: a space or a tab.
bool IsPageItemBlank(wchar_t c);

// The form a name, a label or a word is compared in: the letters A to Z in
// lower case, blanks left out, every other character as it is. ("All ON",
// "allon" and "All\tOn" are one name; "É" and "é" are two.) Other letters
// keep their case since their case pairs depend on the user's locale, and
// the same word must name the same item wherever it is given.
std::wstring PageItemKey(const std::wstring& text);

// Whether `a` and `b` name the same item under PageItemKey.
bool SamePageItemName(const std::wstring& a, const std::wstring& b);

} // namespace host_engine

#endif
