// How messages show text from outside: on one line, in order, and short.
#include "base/quoted_text.h"

#include "base/text_encoding.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::Excerpt;
using quillmere_host::Quoted;

const std::string kEllipsis = "\xe2\x80\xa6";

std::string Repeat(const std::string& text, int times)
{
	std::string out;
	for (int i = 0; i < times; ++i) {
		out += text;
	}
	return out;
}

TEST(QuotedText, ShortTextWhole_ControlsBidiAndBadBytesEscaped)
{
	EXPECT_EQ(Quoted("arm_L"), "\"arm_L\"");
	EXPECT_EQ(Quoted(""), "\"\"");
	EXPECT_EQ(Excerpt("/tmp/scene.json"), "/tmp/scene.json");
	EXPECT_EQ(Quoted("x\nFAKE LINE\t\r"), "\"x\\nFAKE LINE\\t\\r\"");
	EXPECT_EQ(Quoted("a\x1b]0;pwned\x07"
	                 "b"),
	          "\"a\\x1b]0;pwned\\x07b\"");
	EXPECT_EQ(Quoted(std::string("nul\0here\x7f", 9)), "\"nul\\x00here\\x7f\"");
	// Right-to-left override, isolates, marks, the Arabic letter mark, C1.
	EXPECT_EQ(Quoted("txt.\xe2\x80\xaegpj"), "\"txt.\\u202egpj\"");
	EXPECT_EQ(Quoted("\xe2\x81\xa6\xe2\x81\xa9\xe2\x80\x8e\xe2\x80\x8f\xd8\x9c\xe2\x80\xaa\xc2\x9b"),
	          "\"\\u2066\\u2069\\u200e\\u200f\\u061c\\u202a\\u009b\"");
	// Text that is not UTF-8 is shown byte by byte; what is UTF-8 stays as it is.
	EXPECT_EQ(Quoted("caf\xe9 \xc3\xa9t\xc3\xa9 \xed\xa0\x80"), "\"caf\\xe9 \xc3\xa9t\xc3\xa9 \\xed\\xa0\\x80\"");
}

// A character that shows as nothing would make a message's quote read as
// another word: "\ufeffok" looks like "ok". Each is escaped, as JSON would
// write it; visible neighbours stay as they are.
TEST(QuotedText, InvisibleCharactersEscaped_TheByteOrderMarkAmongThem)
{
	const std::pair<const char*, const char*> cases[] = {
	    {"\xef\xbb\xbfok", "\"\\ufeffok\""},                    // the byte order mark
	    {"o\xe2\x80\x8bk", "\"o\\u200bk\""},                    // zero-width space
	    {"o\xe2\x80\x8dk\xe2\x81\xa0", "\"o\\u200dk\\u2060\""}, // joiner, word joiner
	    {"s\xc2\xadoft", "\"s\\u00adoft\""},                    // soft hyphen
	    {"a\xe2\x80\xa8"
	     "b\xe2\x80\xa9",
	     "\"a\\u2028b\\u2029\""},                     // line and paragraph separators
	    {"x\xef\xb8\x8f", "\"x\\ufe0f\""},            // a variation selector
	    {"\xe3\x85\xa4", "\"\\u3164\""},              // the Hangul filler
	    {"t\xf3\xa0\x80\x81", "\"t\\udb40\\udc01\""}, // a tag, past the basic plane
	    {"\xc2\xa0\xe2\x80\x94\xc3\xa9\xe2\x80\xa6", "\"\xc2\xa0\xe2\x80\x94\xc3\xa9\xe2\x80\xa6\""}, // seen: kept
	};
	for (const auto& entry : cases) {
		EXPECT_EQ(Quoted(entry.first), entry.second);
	}
	EXPECT_EQ(quillmere_host::OneLine("s.json:1:1: last read: \"\xef\xbb\xbf\""), "s.json:1:1: last read: \"\\ufeff\"");
}

TEST(QuotedText, LongTextKeepsItsEndsAroundAnEllipsis_AndSaysItsLength)
{
	std::string name = "head" + std::string(1000, 'k') + "tail";
	EXPECT_EQ(Quoted(name),
	          "\"head" + std::string(145, 'k') + kEllipsis + std::string(46, 'k') + "tail\" (1008 characters)");
	EXPECT_EQ(Excerpt(name),
	          "head" + std::string(145, 'k') + kEllipsis + std::string(46, 'k') + "tail (1008 characters)");
	// At the limit, whole; one more, cut.
	EXPECT_EQ(Quoted(std::string(200, 'a')), "\"" + std::string(200, 'a') + "\"");
	EXPECT_NE(Quoted(std::string(201, 'a')).find(kEllipsis), std::string::npos);
	// Characters, not bytes, are counted and kept whole; an escape counts as
	// what it shows.
	EXPECT_EQ(Quoted(Repeat("\xc3\xa9", 300)),
	          "\"" + Repeat("\xc3\xa9", 149) + kEllipsis + Repeat("\xc3\xa9", 50) + "\" (300 characters)");
	EXPECT_EQ(Quoted(std::string(101, '\n')),
	          "\"" + Repeat("\\n", 74) + kEllipsis + Repeat("\\n", 25) + "\" (101 characters)");
	// Whatever it quotes, a message stays short.
	EXPECT_LE(Quoted(std::string(209715200 / 64, '\x1b')).size(), 4 + 200 + 40u);
}

} // namespace
