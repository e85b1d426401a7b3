// CString: copies share one text until one of them changes, whatever its
// length; CStringArray: its strings through growth, copies and resizing.
#include <xsi_status.h>
#include <xsi_string.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using XSI::CString;

TEST(CString, ShortAndLongTextsCompareCopyAndGrowAlike)
{
	// Lengths on either side of the sizes the library's blocks come in.
	for (size_t length : {1, 2, 9, 10, 25, 26, 57, 58, 100}) {
		const std::wstring text(length, static_cast<wchar_t>(L'a' + length % 26));
		CString value(text.c_str());
		EXPECT_EQ(value.Length(), text.size());
		EXPECT_EQ(std::wstring(value.GetWideString()), text);
		CString copy(value);
		EXPECT_TRUE(copy == value);
		copy += L"!";
		EXPECT_EQ(std::wstring(copy.GetWideString()), text + L"!");
		EXPECT_TRUE(copy != value);
		copy = value;
		EXPECT_TRUE(copy == text.c_str());
	}
}

TEST(CString, CopiesShareOneTextUntilOneOfThemChanges)
{
	CString original(L"Pose Cns");
	const char* ascii = original.GetAsciiString();
	CString copy(original);
	CString assigned;
	assigned = original;
	EXPECT_EQ(copy.GetWideString(), original.GetWideString()); // one text, not two
	copy += L'!';
	assigned = L"other";
	CString cleared(original);
	cleared.Clear();
	CString narrowed(original);
	narrowed.PutAsciiString("narrow");
	CString replaced(original);
	replaced = CString(L"replaced");
	EXPECT_TRUE(original == L"Pose Cns");
	EXPECT_EQ(original.GetAsciiString(), ascii); // what it gave stays valid while it is unchanged
	EXPECT_STREQ(ascii, "Pose Cns");
	EXPECT_TRUE(copy == L"Pose Cns!");
	EXPECT_TRUE(assigned == L"other");
	EXPECT_TRUE(cleared.IsEmpty() && cleared == L"");
	EXPECT_TRUE(narrowed == "narrow");
	EXPECT_TRUE(replaced == L"replaced");
	original = original; // self-assignment keeps the text
	EXPECT_TRUE(original == L"Pose Cns");
}

TEST(CString, AppendingToItselfAndAssigningPartOfItself)
{
	// Through its own characters, alone and while shared.
	CString own(L"abcdef");
	own = own.GetWideString() + 2;
	EXPECT_TRUE(own == L"cdef");
	CString keeper(own);
	own = own.GetWideString() + 1;
	EXPECT_TRUE(own == L"def");
	EXPECT_TRUE(keeper == L"cdef");
	own += own.GetWideString();
	EXPECT_TRUE(own == L"defdef");

	CString text(L"abc");
	text += text;
	EXPECT_TRUE(text == L"abcabc");
	for (int i = 0; i < 4; ++i) {
		text += text; // outgrows its block on the way
	}
	EXPECT_EQ(text.Length(), 96u);
	CString tail = text.GetSubString(90);
	EXPECT_TRUE(tail == L"abcabc");
	text = text.GetSubString(3, 3);
	EXPECT_TRUE(text == L"abc");

	// Through its own ASCII copy, which writing the text would drop.
	CString narrow(L"abcdef");
	narrow = narrow.GetAsciiString() + 1;
	EXPECT_TRUE(narrow == L"bcdef");
	narrow.PutAsciiString(narrow.GetAsciiString());
	EXPECT_TRUE(narrow == L"bcdef");
	CString sharer(narrow);
	narrow = narrow.GetAsciiString() + 2;
	EXPECT_TRUE(narrow == L"def");
	EXPECT_TRUE(sharer == L"bcdef");
}

TEST(CString, LiteralComparisonsNeedTheWholeText)
{
	CString name(L"ScalingCns");
	EXPECT_TRUE(name == L"ScalingCns");
	EXPECT_FALSE(name == L"ScalingCns1");
	EXPECT_FALSE(name == L"Scaling");
	EXPECT_FALSE(name == L"");
	EXPECT_TRUE(CString() == L"");
	EXPECT_FALSE(CString() == L"x");
	EXPECT_TRUE(CString(L"ab\0cd", 5) != L"ab"); // counted texts may hold a NUL
	EXPECT_TRUE(name.IsEqualNoCase(L"scalingcns"));
	EXPECT_TRUE(CString("Position Cns") == L"Position Cns");
}

TEST(CString, SplitFindAndSubstrings)
{
	XSI::CStringArray parts = CString(L"a,,b,c").Split(L",");
	ASSERT_EQ(parts.GetCount(), 3);
	EXPECT_TRUE(parts[2] == L"c");
	EXPECT_EQ(CString(L"abcabc").FindString(L"ca"), 2u);
	EXPECT_EQ(CString(L"abc").FindString(L"zz"), static_cast<ULONG>(UINT_MAX));
	EXPECT_EQ(CString(L"abc").GetSubString(1, 99), L"bc");
	EXPECT_STREQ(CString(L"caf\u00e9").GetAsciiString(), "caf?");
}

TEST(CStringArray, KeepsItsStringsThroughGrowthCopiesAndResizing)
{
	XSI::CStringArray names(1); // one empty string already
	EXPECT_TRUE(names[0].IsEmpty());
	names[0] = L"first";
	for (int i = 1; i < 40; ++i) {
		names.Add(names[i - 1] + L"+"); // its own string, while it grows
	}
	ASSERT_EQ(names.GetCount(), 40);
	EXPECT_EQ(names[39].Length(), 5u + 39u);
	XSI::CStringArray copy(names);
	copy[0] = L"changed";
	EXPECT_TRUE(names[0] == L"first");
	EXPECT_TRUE(copy != names);
	copy = names;
	EXPECT_TRUE(copy == names);
	EXPECT_EQ(copy.Resize(-1), XSI::CStatus::InvalidArgument);
	copy.Resize(2);
	EXPECT_EQ(copy.GetCount(), 2);
	copy.Resize(4);
	EXPECT_TRUE(copy[1] == L"first+" && copy[3].IsEmpty());
	copy.Clear();
	EXPECT_EQ(copy.GetCount(), 0);
}

} // namespace
