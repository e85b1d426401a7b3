#include "base/text_encoding.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::ForTerminal;
using quillmere_host::OneLine;

using quillmere_host::FromUtf8;
using quillmere_host::ToUtf8;

TEST(TextEncoding, RoundTripsEveryPlane_BadBytesBecomeReplacements)
{
	const std::string text = "a\xc3\xa9\xe2\x82\xac\xf0\x9f\x98\x80z"; // a é € 😀 z
	std::wstring wide = FromUtf8(text);
	EXPECT_EQ(ToUtf8(wide), text);
	EXPECT_EQ(wide.front(), L'a');
	EXPECT_EQ(wide.back(), L'z');
	EXPECT_EQ(FromUtf8("\xff"), std::wstring(1, static_cast<wchar_t>(0xFFFD)));
	EXPECT_EQ(FromUtf8("a\xe2\x82"), std::wstring(L"a") + static_cast<wchar_t>(0xFFFD) + static_cast<wchar_t>(0xFFFD));
	EXPECT_EQ(FromUtf8("\xc3("), std::wstring(1, static_cast<wchar_t>(0xFFFD)) + L"(");
	EXPECT_EQ(ToUtf8(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xef\xbf\xbd"); // a lone surrogate
}

// Whatever a terminal acts on or reorders by is escaped wherever the
// program writes text for one: the text report and page (ForTerminal),
// messages (OneLine). The trace's JSON arguments are written so by the
// journal: tests/engine/json_text_tests.cpp.
TEST(TextEncoding, TerminalControlsAndBidiControlsAreEscapedForTheTerminal)
{
	std::wstring name = L"a\x1b]0;pwned\x07"
	                    L"b\\c\n\x85\x202e\x2066\x2069\x200e\x200f\x061c\x202a\x7f";
	EXPECT_EQ(ForTerminal(name), L"a\\u001b]0;pwned\\u0007b\\\\c\\n\\u0085\\u202e\\u2066\\u2069\\u200e\\u200f\\u061c"
	                             L"\\u202a\\u007f");
	EXPECT_EQ(ForTerminal(L"\x2065\x202f\x200d plain \xe9"), L"\x2065\x202f\x200d plain \xe9"); // neighbours stay
	EXPECT_TRUE(quillmere_host::NeedsTerminalEscape(L"abc\x202e"));
	EXPECT_FALSE(quillmere_host::NeedsTerminalEscape(L"abc \xe9"));

	EXPECT_EQ(OneLine("scene.json:1:2: \"x\nFAKE\r\t\x1b[2J\xe2\x80\xae\xc2\x9b\""),
	          "scene.json:1:2: \"x\\nFAKE\\r\\t\\x1b[2J\\u202e\\u009b\"");
}

} // namespace
