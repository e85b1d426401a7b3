// How every page driver reads a page item's name against a word given for it.
#include "engine/page_item_names.h"

#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

using host_engine::PageItemKey;
using host_engine::SamePageItemName;

TEST(PageItemNames, CaseOfAToZAndBlanksDoNotCount_EveryOtherCharacterDoes)
{
	for (const wchar_t* word : {L"AllOn", L"allon", L"ALLON", L"All ON", L"all on", L"All\tOn", L" AllOn\t"}) {
		EXPECT_TRUE(SamePageItemName(word, L"AllOn")) << word;
	}
	EXPECT_EQ(PageItemKey(L"Chain Up\tVector"), L"chainupvector");
	// Not blanks: a line break and a no-break space are part of the name.
	EXPECT_FALSE(SamePageItemName(L"All\nOn", L"AllOn"));
	EXPECT_FALSE(SamePageItemName(L"All\u00a0On", L"AllOn"));
	EXPECT_FALSE(SamePageItemName(L"Pos", L"Position"));
	EXPECT_FALSE(SamePageItemName(L"", L"Pos"));
	EXPECT_TRUE(host_engine::IsPageItemBlank(L'\t'));
	EXPECT_FALSE(host_engine::IsPageItemBlank(L'\n'));
}

// Letters outside A to Z keep their case whatever the locale: the program
// switches to the user's locale while its full-screen page is up, and a
// word must name the same item there as anywhere else.
TEST(PageItemNames, LettersOutsideAToZ_AsWritten_InAnyLocale)
{
	std::string before = std::setlocale(LC_CTYPE, nullptr);
	for (const char* locale : {"C", "C.UTF-8"}) {
		if (std::setlocale(LC_CTYPE, locale) == nullptr) {
			continue;
		}
		EXPECT_FALSE(SamePageItemName(L"\u00c9paule", L"\u00e9paule")) << locale; // É, é
		EXPECT_FALSE(SamePageItemName(L"D\u0130R", L"Dir")) << locale;            // İ, i
		EXPECT_FALSE(SamePageItemName(L"\u212Aeep", L"Keep")) << locale;          // the Kelvin sign, K
		EXPECT_TRUE(SamePageItemName(L"\u00c9paule Haute", L"\u00c9pauleHAUTE")) << locale;
	}
	std::setlocale(LC_CTYPE, before.c_str());
}

} // namespace
