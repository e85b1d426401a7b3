// The option property: its parameters, its page and its buttons.
#include "support/loaded_module.h"

#include <xsi_customproperty.h>
#include <xsi_ppgeventcontext.h>

namespace {

using host_engine::LayoutItem;
using quillmere_tests::ValuesByName;

const std::vector<std::wstring> kDefinitionOrder = {L"Pos",      L"Dir",     L"Ori",      L"Pose",
                                                    L"Distance", L"Scaling", L"Symmetry", L"ChainUpVector"};

ValuesByName AllValues(bool on)
{
	ValuesByName values;
	for (const std::wstring& name : kDefinitionOrder) {
		values[name] = on;
	}
	return values;
}

class OptionProperty : public quillmere_tests::LoadedModule
{
protected:
	// Shows a fresh property's page modally and answers with the script.
	void ShowPage()
	{
		XSI::CRef property = scene.AddProperty(scene.Root(), L"QuillmereOption");
		XSI::CValueArray args(5);
		args[0] = property.GetAsText();
		args[3] = XSI::CValue(static_cast<LONG>(XSI::siModal));
		args[4] = true;
		XSI::CValue result;
		XSI::Application().ExecuteCommand(L"InspectObj", args, result);
	}
};

TEST_F(OptionProperty, NewInstanceHasEightBooleansInOrder_AllOn)
{
	XSI::CRef property = scene.AddProperty(scene.Root(), L"QuillmereOption");
	ASSERT_TRUE(property.IsValid());
	EXPECT_EQ(readBack.NameOf(property), L"QuillmereOption");
	XSI::CRefArray parameters = XSI::CustomProperty(property).GetNestedObjects();
	ASSERT_EQ(parameters.GetCount(), 8);
	for (LONG i = 0; i < 8; ++i) {
		EXPECT_EQ(readBack.NameOf(parameters[i]), kDefinitionOrder[i]);
		host_engine::SceneReadBack::ParameterInfo parameter = readBack.DescribeParameter(parameters[i]);
		EXPECT_EQ(parameter.type, XSI::CValue::siBool);
		EXPECT_EQ(parameter.capabilities, XSI::siPersistable);
		EXPECT_EQ(parameter.value.m_t, XSI::CValue::siBool);
		EXPECT_TRUE(static_cast<bool>(parameter.value));
	}
}

TEST_F(OptionProperty, LayoutIsButtonRowThenBorderedGroupInPageOrder)
{
	ShowPage();
	ASSERT_EQ(page.Record().timesShown, 1);
	const std::vector<LayoutItem>& layout = page.Record().layout;
	struct Expected {
		LayoutItem::Kind kind;
		std::wstring name;
		std::wstring label;
	};
	const std::vector<Expected> expected = {
	    {LayoutItem::Row, L"", L""},
	    {LayoutItem::Button, L"AllOn", L"All ON"},
	    {LayoutItem::Button, L"AllOff", L"All OFF"},
	    {LayoutItem::Button, L"AllToggle", L"All Toggle"},
	    {LayoutItem::EndRow, L"", L""},
	    {LayoutItem::Group, L"", L"Target Constraints"},
	    {LayoutItem::Item, L"Pos", L"Position"},
	    {LayoutItem::Item, L"Ori", L"Orientation"},
	    {LayoutItem::Item, L"Dir", L"Direction"},
	    {LayoutItem::Item, L"Pose", L"Pose"},
	    {LayoutItem::Item, L"Distance", L"Distance"},
	    {LayoutItem::Item, L"Scaling", L"Scaling"},
	    {LayoutItem::Item, L"Symmetry", L"Symmetry"},
	    {LayoutItem::Item, L"ChainUpVector", L"Chain Up Vector"},
	    {LayoutItem::EndGroup, L"", L""},
	};
	ASSERT_EQ(layout.size(), expected.size());
	for (size_t i = 0; i < expected.size(); ++i) {
		EXPECT_EQ(layout[i].kind, expected[i].kind) << i;
		EXPECT_EQ(layout[i].name, expected[i].name) << i;
		EXPECT_EQ(layout[i].label, expected[i].label) << i;
		EXPECT_TRUE(layout[i].uiType.empty()) << i;
	}
	EXPECT_TRUE(layout[5].showFrame);
	EXPECT_EQ(layout[5].widthPercentage, 0);
}

TEST_F(OptionProperty, AllOffThenAllOn)
{
	page.Click(L"AllOff");
	page.Do([](host_engine::PropertyPage& p) { EXPECT_EQ(quillmere_tests::ReadValues(p), AllValues(false)); });
	page.Click(L"AllOn");
	ShowPage();
	EXPECT_EQ(quillmere_tests::ByName(page.Record().closeValues), AllValues(true));
}

TEST_F(OptionProperty, AllToggleInvertsEachOption)
{
	page.Click(L"AllOff").Set(L"Pos", true).Set(L"Symmetry", true).Click(L"AllToggle");
	ShowPage();
	ValuesByName expected = AllValues(true);
	expected[L"Pos"] = false;
	expected[L"Symmetry"] = false;
	EXPECT_EQ(quillmere_tests::ByName(page.Record().closeValues), expected);
}

TEST_F(OptionProperty, AllOnThenAllToggleLeavesAllOff)
{
	page.Set(L"Dir", false).Click(L"AllOn").Click(L"AllToggle");
	ShowPage();
	EXPECT_EQ(quillmere_tests::ByName(page.Record().closeValues), AllValues(false));
}

TEST_F(OptionProperty, EventsOtherThanAClickOrUnknownButtonsChangeNothing)
{
	page.Set(L"Ori", false).Do([](host_engine::PropertyPage& p) {
		// A "Button" attribute on a non-click event, and a click on an unknown button.
		p.SendEvent(XSI::PPGEventContext::siParameterChange, host_engine::Scene::HandleOf(p.Property()).slot, L"Button",
		            L"AllOff");
		p.SendEvent(XSI::PPGEventContext::siButtonClicked, host_engine::Scene::HandleOf(p.Property()).slot, L"Button",
		            L"AllNone");
		p.SendEvent(XSI::PPGEventContext::siTabChange, host_engine::Scene::HandleOf(p.Property()).slot);
	});
	ShowPage();
	ValuesByName expected = AllValues(true);
	expected[L"Ori"] = false;
	EXPECT_EQ(quillmere_tests::ByName(page.Record().closeValues), expected);
}

} // namespace
