#include "text_encoding.h"

#include <gtest/gtest.h>

namespace {

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

} // namespace
