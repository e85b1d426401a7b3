// CValue: the conversions the plug-in and the host engine rely on.
#include "engine/scene_builder.h"

#include <xsi_value.h>

#include <gtest/gtest.h>

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
