// CValue: the conversions the plug-in and the host engine rely on.
#include "engine/scene_builder.h"

#include <xsi_value.h>

#include <gtest/gtest.h>

#include <limits>

namespace {

using XSI::CValue;

TEST(CValue, BooleansSurviveTheWayParametersStoreThem)
{
	CValue on(true);
	EXPECT_EQ(on.m_t, CValue::siBool);
	EXPECT_TRUE(static_cast<bool>(on));
	CValue converted;
	converted.ChangeType(CValue::siBool, &on);
	EXPECT_TRUE(static_cast<bool>(converted));
	CValue fromText;
	CValue text(L"False");
	fromText.ChangeType(CValue::siBool, &text);
	EXPECT_FALSE(static_cast<bool>(fromText));
	EXPECT_FALSE(static_cast<bool>(CValue()));
	EXPECT_TRUE(static_cast<bool>(CValue(static_cast<LONG>(4))));
	EXPECT_EQ(CValue(true).GetAsText(), L"True");
	EXPECT_TRUE(CValue().GetAsText().IsEmpty());
}

TEST(CValue, CopiesOwnTheirTextAndArrays)
{
	CValue text(L"a name longer than the inline buffer of a string");
	CValue copy(text);
	text = static_cast<LONG>(3);
	EXPECT_EQ(copy.GetAsText(), L"a name longer than the inline buffer of a string");
	XSI::CValueArray items(2);
	items[0] = copy;
	items[1] = true;
	CValue array(items);
	CValue arrayCopy;
	arrayCopy = array;
	array.Clear();
	XSI::CValueArray& held = arrayCopy;
	ASSERT_EQ(held.GetCount(), 2);
	EXPECT_TRUE(held[0] == copy);
	array = array; // self-assignment keeps the value
	arrayCopy = arrayCopy;
	EXPECT_EQ(static_cast<XSI::CValueArray&>(arrayCopy).GetCount(), 2);
}

TEST(CValue, ReferencesStayHandlesToTheSameObject)
{
	host_engine::Host& host = host_engine::CurrentHost();
	host.ResetScene();
	host_engine::SceneBuilder scene(host);
	XSI::CRef object = scene.AddObject(scene.Root(), L"held");
	CValue value(object);
	EXPECT_EQ(value.m_t, CValue::siRef);
	EXPECT_EQ(static_cast<XSI::CRef>(value), object);
	EXPECT_EQ(value.GetAsText(), L"held");
	EXPECT_TRUE(static_cast<bool>(value));
	host.Scene().Objects().DestroySubtree(host.Scene().SlotOf(object));
	EXPECT_FALSE(static_cast<bool>(value)); // a stale handle reads false, not a dangling one
	EXPECT_TRUE(value.GetAsText().IsEmpty());
}

// A parameter stores what it is given in its own type through ChangeType.
TEST(CValue, ChangeTypeReadsNumbersFromEveryKind)
{
	struct Case {
		CValue from;
		CValue::DataType to;
		CValue expected;
	};
	const Case cases[] = {
	    {CValue(L"42"), CValue::siInt4, CValue(static_cast<LONG>(42))},
	    {CValue(L"-7 items"), CValue::siInt4, CValue(static_cast<LONG>(-7))}, // as far as it reads as a number
	    {CValue(L"abc"), CValue::siInt4, CValue(static_cast<LONG>(0))},
	    {CValue(L"True"), CValue::siInt4, CValue(static_cast<LONG>(1))},
	    {CValue(L"2.5"), CValue::siDouble, CValue(2.5)},
	    {CValue(2.75), CValue::siInt4, CValue(static_cast<LONG>(2))}, // towards zero
	    {CValue(-2.75f), CValue::siInt2, CValue(static_cast<short>(-2))},
	    {CValue(static_cast<LONG>(3)), CValue::siDouble, CValue(3.0)},
	    {CValue(true), CValue::siInt4, CValue(static_cast<LONG>(1))},
	    {CValue(static_cast<LONG>(300)), CValue::siUInt1, CValue(static_cast<unsigned char>(44))}, // wraps, as a cast
	    {CValue(0.25), CValue::siBool, CValue(true)}, // not truncated first
	    {CValue(), CValue::siInt4, CValue(static_cast<LONG>(0))},
	    {CValue(static_cast<LONG>(-12)), CValue::siString, CValue(L"-12")},
	};
	for (const Case& c : cases) {
		CValue converted;
		converted.ChangeType(c.to, &c.from);
		EXPECT_EQ(converted.m_t, c.to) << c.from.GetAsText().GetAsciiString();
		EXPECT_TRUE(converted == c.expected)
		    << c.from.GetAsText().GetAsciiString() << " gave " << converted.GetAsText().GetAsciiString();
	}
	// In place, from itself.
	CValue self(L"17");
	self.ChangeType(CValue::siInt8);
	EXPECT_EQ(self.m_t, CValue::siInt8);
	EXPECT_EQ(static_cast<LLONG>(self), 17);
}

// A value no integer holds (not a number, infinite, too large) reads as 0,
// whether it came as a double or a float, rather than as whatever the
// processor's conversion leaves.
TEST(CValue, NumbersNoIntegerHoldsReadAsZero)
{
	const double nan = std::numeric_limits<double>::quiet_NaN();
	const double infinity = std::numeric_limits<double>::infinity();
	for (const CValue& value :
	     {CValue(nan), CValue(infinity), CValue(-infinity), CValue(1e30), CValue(-1e19),
	      CValue(static_cast<float>(nan)), CValue(static_cast<float>(infinity)), CValue(1e30f), CValue(-1e19f)}) {
		EXPECT_EQ(static_cast<LLONG>(value), 0) << value.GetAsText().GetAsciiString();
		EXPECT_EQ(static_cast<LONG>(value), 0) << value.GetAsText().GetAsciiString();
		CValue converted;
		converted.ChangeType(CValue::siInt8, &value);
		EXPECT_EQ(static_cast<LLONG>(converted), 0) << value.GetAsText().GetAsciiString();
	}
	EXPECT_EQ(static_cast<LLONG>(CValue(1e18)), 1000000000000000000LL); // large, but held
	EXPECT_EQ(static_cast<LLONG>(CValue(-1e18f)), static_cast<LLONG>(-1e18f));
}

TEST(CValue, NumbersCompareByValueAcrossTypes_TextNeverEqualsANumber)
{
	EXPECT_TRUE(CValue(static_cast<LONG>(1)) == CValue(static_cast<short>(1)));
	EXPECT_TRUE(CValue(static_cast<LONG>(2)) == CValue(2.0));
	EXPECT_FALSE(CValue(static_cast<LONG>(2)) == CValue(2.5));
	EXPECT_TRUE(CValue(true) == CValue(static_cast<LONG>(1)));
	EXPECT_FALSE(CValue(L"1") == CValue(static_cast<LONG>(1)));
	EXPECT_TRUE(CValue() == CValue());
	EXPECT_FALSE(CValue() == CValue(static_cast<LONG>(0)));
	EXPECT_TRUE(CValue(L"abc") == L"abc");
	EXPECT_TRUE(CValue(L"abc") != CValue(L"abd"));
}

TEST(CValue, EachKindReadsAsText)
{
	EXPECT_EQ(CValue(static_cast<LONG>(-5)).GetAsText(), L"-5");
	EXPECT_EQ(CValue(static_cast<ULLONG>(18446744073709551615ULL)).GetAsText(), L"18446744073709551615");
	EXPECT_EQ(CValue(false).GetAsText(), L"False");
	XSI::CStringArray texts;
	texts.Add(L"a");
	texts.Add(L"b");
	EXPECT_EQ(CValue(texts).GetAsText(), L"a,b");
	XSI::CValueArray values(2);
	values[0] = static_cast<LONG>(1);
	values[1] = true;
	EXPECT_EQ(CValue(values).GetAsText(), L"1,True");
}

TEST(CValueArray, KeepsItsValuesThroughGrowthCopiesAndResizing)
{
	XSI::CValueArray values(2); // two empty values already
	EXPECT_TRUE(values[1].IsEmpty());
	values[0] = L"text";
	values[1] = static_cast<LONG>(7);
	for (LONG i = 2; i < 30; ++i) {
		values.Add(values[i - 2]); // its own value, while it grows
	}
	ASSERT_EQ(values.GetCount(), 30);
	EXPECT_EQ(values[28].GetAsText(), L"text");
	EXPECT_TRUE(values[29] == static_cast<LONG>(7));
	XSI::CValueArray copy(values);
	copy[0] = true;
	EXPECT_EQ(values[0].GetAsText(), L"text");
	EXPECT_TRUE(copy != values);
	copy.Resize(1);
	copy.Resize(3);
	EXPECT_TRUE(copy[0] == true);
	EXPECT_TRUE(copy[2].IsEmpty());
	copy = values;
	EXPECT_TRUE(copy == values);
}

} // namespace
