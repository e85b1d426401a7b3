// How a text becomes a JSON string: what JSON requires escaped, and what a
// terminal must not be sent raw besides.
#include "engine/json_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using host_engine::AppendJsonString;
using host_engine::JsonEscapes;

std::string Json(std::string_view utf8)
{
	std::string out;
	AppendJsonString(out, utf8);
	return out;
}

std::string Json(std::wstring_view text, JsonEscapes escapes)
{
	std::string out;
	AppendJsonString(out, text, escapes);
	return out;
}

// Quotes, backslashes and every control below U+0020, the ones with a short
// escape by it, the rest as \u00XX: the same from UTF-8 and from wide text.
TEST(JsonText, WhatJsonRequires_EscapedAlikeFromUtf8AndWideText)
{
	const std::string utf8 = std::string("q\"b\\ \b\f\n\r\t \x01\x1b\x1f") + '\0' + " end";
	const std::wstring wide = std::wstring(L"q\"b\\ \b\f\n\r\t \x01\x1b\x1f") + L'\0' + L" end";
	const std::string expected = "\"q\\\"b\\\\ \\b\\f\\n\\r\\t \\u0001\\u001b\\u001f\\u0000 end\"";
	EXPECT_EQ(Json(utf8), expected);
	EXPECT_EQ(Json(wide, JsonEscapes::Required), expected);
	EXPECT_EQ(Json(wide, JsonEscapes::ForTerminal), expected);
	EXPECT_EQ(Json(""), "\"\"");
	EXPECT_EQ(Json(L"", JsonEscapes::ForTerminal), "\"\"");
	// An escape spelled in the text is text: its backslash is escaped.
	EXPECT_EQ(Json(L"\\u000a", JsonEscapes::ForTerminal), "\"\\\\u000a\"");

	EXPECT_EQ(host_engine::JsonPlainLength("plain name"), 10u);
	EXPECT_EQ(host_engine::JsonPlainLength("\xc3\xa9t\xc3\xa9\x7f\xc2\x85 \"x\""), 9u);
	EXPECT_EQ(host_engine::JsonPlainLength("\nx"), 0u);
}

// Other text is UTF-8, DEL, C1 and bidirectional controls included, unless
// a terminal may be shown it: then those are \u escapes, and their
// neighbours stay as they are.
TEST(JsonText, TerminalControls_EscapedOnlyForATerminal)
{
	const std::wstring text = L"a\x7f\x85\x9f\x202e\x2066\x2069\x200e\x200f\x061c\x202a z";
	const std::string raw = "\"a\x7f\xc2\x85\xc2\x9f\xe2\x80\xae\xe2\x81\xa6\xe2\x81\xa9\xe2\x80\x8e\xe2\x80\x8f"
	                        "\xd8\x9c\xe2\x80\xaa z\"";
	EXPECT_EQ(Json(text, JsonEscapes::Required), raw);
	EXPECT_EQ(Json(raw.substr(1, raw.size() - 2)), raw);
	EXPECT_EQ(Json(text, JsonEscapes::ForTerminal),
	          "\"a\\u007f\\u0085\\u009f\\u202e\\u2066\\u2069\\u200e\\u200f\\u061c\\u202a z\"");
	const std::wstring neighbours = L"\xa0\x2065\x202f\x200d\x2029 plain \xe9t\xe9";
	EXPECT_EQ(Json(neighbours, JsonEscapes::ForTerminal), Json(neighbours, JsonEscapes::Required));
	EXPECT_EQ(Json(neighbours, JsonEscapes::ForTerminal),
	          "\"\xc2\xa0\xe2\x81\xa5\xe2\x80\xaf\xe2\x80\x8d\xe2\x80\xa9 plain \xc3\xa9t\xc3\xa9\"");

	for (unsigned code : {0x7Fu, 0x80u, 0x9Fu, 0x61Cu, 0x200Eu, 0x200Fu, 0x202Au, 0x202Eu, 0x2066u, 0x2069u}) {
		EXPECT_TRUE(host_engine::IsTerminalControl(code)) << code;
	}
	for (unsigned code : {0x7Eu, 0xA0u, 0x61Bu, 0x200Du, 0x2010u, 0x2029u, 0x202Fu, 0x2065u, 0x206Au}) {
		EXPECT_FALSE(host_engine::IsTerminalControl(code)) << code;
	}
}

// Bytes from 0x80 up are copied from UTF-8 whatever they are; wide text
// past the basic plane is one character, and a code that is none is U+FFFD.
TEST(JsonText, BeyondTheBasicPlane_AndCodesThatAreNoCharacter)
{
	EXPECT_EQ(Json("\xf0\x9f\x98\x80 \xff"), "\"\xf0\x9f\x98\x80 \xff\"");
	std::wstring smile;
	if (sizeof(wchar_t) == 2) {
		smile = {static_cast<wchar_t>(0xD83D), static_cast<wchar_t>(0xDE00)};
	} else {
		smile = std::wstring(1, static_cast<wchar_t>(0x1F600));
	}
	EXPECT_EQ(Json(smile, JsonEscapes::ForTerminal), "\"\xf0\x9f\x98\x80\"");
	const std::string replacement = "\xef\xbf\xbd";
	EXPECT_EQ(Json(std::wstring(1, static_cast<wchar_t>(0xD800)) + L"x", JsonEscapes::Required),
	          "\"" + replacement + "x\"");
	EXPECT_EQ(Json(std::wstring(L"x") + static_cast<wchar_t>(0xDC00), JsonEscapes::ForTerminal),
	          "\"x" + replacement + "\"");
	if (sizeof(wchar_t) == 4) {
		EXPECT_EQ(Json(std::wstring(1, static_cast<wchar_t>(0x110000)), JsonEscapes::Required),
		          "\"" + replacement + "\"");
	}
}

} // namespace
