// CString: short texts live inline, longer ones on the heap; both must behave the same.
#include <xsi_string.h>

#include <gtest/gtest.h>

#include <string>

namespace {

using XSI::CString;

TEST(CString, InlineAndHeapTextsCompareCopyAndGrowAlike)
{
	const std::wstring shortText = L"Pose Cns";
	const std::wstring longText(100, L'x');
	for (const std::wstring& text : {shortText, longText, std::wstring(23, L'y'), std::wstring(24, L'z')}) {
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

TEST(CString, AppendingToItselfAndAssigningPartOfItself)
{
	CString text(L"abc");
	text += text;
	EXPECT_TRUE(text == L"abcabc");
	for (int i = 0; i < 4; ++i) {
		text += text; // crosses from inline to heap storage on the way
	}
	EXPECT_EQ(text.Length(), 96u);
	CString tail = text.GetSubString(90);
	EXPECT_TRUE(tail == L"abcabc");
	text = text.GetSubString(3, 3);
	EXPECT_TRUE(text == L"abc");
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

TEST(CString, SplitFindAndOutOfRangeReads)
{
	XSI::CStringArray parts = CString(L"a,,b,c").Split(L",");
	ASSERT_EQ(parts.GetCount(), 3);
	EXPECT_TRUE(parts[2] == L"c");
	EXPECT_EQ(CString(L"abcabc").FindString(L"ca"), 2u);
	EXPECT_EQ(CString(L"abc").FindString(L"zz"), static_cast<ULONG>(UINT_MAX));
	EXPECT_EQ(CString(L"abc")[7], L'\0');
	EXPECT_TRUE(CString(L"abc").GetSubString(9).IsEmpty());
	EXPECT_STREQ(CString(L"caf\u00e9").GetAsciiString(), "caf?");
}

} // namespace
