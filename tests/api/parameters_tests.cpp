// Parameters: found by their script name among a property's parameters only,
// written in their own type, through the object API and an open page alike.
#include "support/host_scene.h"

#include "engine/property_page.h"

#include <xsi_customproperty.h>
#include <xsi_parameter.h>
#include <xsi_projectitem.h>

#include <gtest/gtest.h>

namespace {

using XSI::CStatus;
using XSI::CValue;

class Parameters : public quillmere_tests::HostScene
{
protected:
	XSI::CustomProperty AddOptions() { return XSI::CustomProperty(scene.AddProperty(scene.Root(), L"CustomProperty")); }

	static CStatus Add(XSI::CustomProperty& property, const wchar_t* name, CValue::DataType type, const CValue& def,
	                   XSI::Parameter& made)
	{
		return property.AddParameter(name, type, XSI::siPersistable, L"", L"", def, made);
	}
	static CStatus Add(XSI::CustomProperty& property, const wchar_t* name, CValue::DataType type, const CValue& def)
	{
		XSI::Parameter made;
		return Add(property, name, type, def, made);
	}

	// Another child of the property that carries `name` and is no parameter.
	void AddNonParameterChild(const XSI::CRef& property, const wchar_t* name)
	{
		host.Scene().Objects().Create(XSI::siCustomPropertyID, name, host.Scene().SlotOf(property));
	}
};

TEST_F(Parameters, ValuesAreKeptAndWrittenInTheParametersOwnType)
{
	XSI::CustomProperty options = AddOptions();
	ASSERT_EQ(Add(options, L"Flag", CValue::siBool, CValue(static_cast<LONG>(5))), CStatus::OK);
	ASSERT_EQ(Add(options, L"Count", CValue::siInt4, CValue(L"12")), CStatus::OK);
	ASSERT_EQ(Add(options, L"Label", CValue::siString, CValue(true)), CStatus::OK);

	// Each default already in its parameter's type.
	CValue flag = options.GetParameterValue(L"Flag");
	EXPECT_EQ(flag.m_t, CValue::siBool);
	EXPECT_TRUE(static_cast<bool>(flag));
	EXPECT_EQ(options.GetParameterValue(L"Count").m_t, CValue::siInt4);
	EXPECT_EQ(static_cast<LONG>(options.GetParameterValue(L"Count")), 12);
	EXPECT_EQ(options.GetParameterValue(L"Label").GetAsText(), L"True");

	// Every overload writes in the parameter's type, not the argument's.
	EXPECT_EQ(options.PutParameterValue(L"Flag", static_cast<LONG>(0)), CStatus::OK);
	EXPECT_EQ(options.GetParameterValue(L"Flag").m_t, CValue::siBool);
	EXPECT_FALSE(static_cast<bool>(options.GetParameterValue(L"Flag")));
	EXPECT_EQ(options.PutParameterValue(L"Count", 7.0), CStatus::OK);
	EXPECT_EQ(options.GetParameterValue(L"Count").m_t, CValue::siInt4);
	EXPECT_EQ(static_cast<LONG>(options.GetParameterValue(L"Count")), 7);
	EXPECT_EQ(options.PutParameterValue(L"Count", XSI::CString(L"41")), CStatus::OK);
	EXPECT_EQ(static_cast<LONG>(options.GetParameterValue(L"Count")), 41);
	EXPECT_EQ(options.PutParameterValue(L"Label", static_cast<short>(3)), CStatus::OK);
	EXPECT_EQ(options.GetParameterValue(L"Label").m_t, CValue::siString);
	EXPECT_EQ(options.GetParameterValue(L"Label").GetAsText(), L"3");
	EXPECT_EQ(options.PutParameterValue(L"Flag", true), CStatus::OK);
	EXPECT_TRUE(static_cast<bool>(options.GetParameterValue(L"Flag")));

	// The handle of one, by its script name.
	XSI::Parameter count = options.GetParameter(L"Count");
	EXPECT_TRUE(count.IsValid());
	EXPECT_EQ(count.GetName(), L"Count");
}

TEST_F(Parameters, AnUnknownScriptNameReadsEmptyAndWritesNothing)
{
	XSI::CustomProperty options = AddOptions();
	ASSERT_EQ(Add(options, L"Flag", CValue::siBool, CValue(true)), CStatus::OK);

	EXPECT_TRUE(options.GetParameterValue(L"flag").IsEmpty()); // script names match exactly
	EXPECT_TRUE(options.GetParameterValue(L"").IsEmpty());
	EXPECT_EQ(options.PutParameterValue(L"Nothing", false), CStatus::MemberNotFound);
	EXPECT_FALSE(options.GetParameter(L"Nothing").IsValid());
	EXPECT_TRUE(static_cast<bool>(options.GetParameterValue(L"Flag")));
}

TEST_F(Parameters, ScriptNamesIdentifyParameters_ARepeatedOrEmptyOneIsRefused)
{
	XSI::CustomProperty options = AddOptions();
	XSI::Parameter first;
	ASSERT_EQ(Add(options, L"Flag", CValue::siBool, CValue(true), first), CStatus::OK);
	EXPECT_TRUE(first.IsValid());

	XSI::Parameter second = first;
	EXPECT_EQ(Add(options, L"Flag", CValue::siInt4, CValue(static_cast<LONG>(9)), second), CStatus::InvalidArgument);
	EXPECT_FALSE(second.IsValid());                                    // handed back empty, not the first one
	EXPECT_EQ(options.GetParameterValue(L"Flag").m_t, CValue::siBool); // the first keeps its definition
	EXPECT_EQ(Add(options, L"", CValue::siBool, CValue(true)), CStatus::InvalidArgument);

	XSI::CRefArray children = options.GetNestedObjects();
	EXPECT_EQ(children.GetCount(), 1);

	// Each property has its own names.
	XSI::CustomProperty other = AddOptions();
	EXPECT_EQ(Add(other, L"Flag", CValue::siBool, CValue(false)), CStatus::OK);
	EXPECT_TRUE(static_cast<bool>(options.GetParameterValue(L"Flag")));
	EXPECT_FALSE(static_cast<bool>(other.GetParameterValue(L"Flag")));
}

// A child that carries a parameter's script name but is not a parameter
// neither answers for it nor hides it: the API and an open page agree.
TEST_F(Parameters, OnlyParametersAnswerToAScriptName_ThroughTheApiAndAnOpenPage)
{
	XSI::CustomProperty options = AddOptions();
	AddNonParameterChild(options.GetRef(), L"Flag");
	AddNonParameterChild(options.GetRef(), L"Impostor");
	ASSERT_EQ(Add(options, L"Flag", CValue::siBool, CValue(true)), CStatus::OK);
	uint32_t slot = host.Scene().SlotOf(options.GetRef());
	host_engine::PropertyPage page(host, slot, L"Options", {});

	EXPECT_EQ(page.ParameterNames(), std::vector<std::wstring>{L"Flag"});
	EXPECT_TRUE(options.GetParameter(L"Flag").IsValid());
	EXPECT_TRUE(static_cast<bool>(options.GetParameterValue(L"Flag")));
	EXPECT_TRUE(static_cast<bool>(page.Value(L"Flag")));

	// The page writes in the parameter's type, and the API reads it back.
	EXPECT_TRUE(page.SetValue(L"Flag", CValue(static_cast<LONG>(0))));
	CValue written = options.GetParameterValue(L"Flag");
	EXPECT_EQ(written.m_t, CValue::siBool);
	EXPECT_FALSE(static_cast<bool>(written));
	// And the other way.
	EXPECT_EQ(options.PutParameterValue(L"Flag", CValue(L"True")), CStatus::OK);
	EXPECT_EQ(page.Value(L"Flag").m_t, CValue::siBool);
	EXPECT_TRUE(static_cast<bool>(page.Value(L"Flag")));

	// A name only a non-parameter carries is no parameter's, by either path.
	EXPECT_TRUE(options.GetParameterValue(L"Impostor").IsEmpty());
	EXPECT_FALSE(options.GetParameter(L"Impostor").IsValid());
	EXPECT_EQ(options.PutParameterValue(L"Impostor", true), CStatus::MemberNotFound);
	EXPECT_TRUE(page.Value(L"Impostor").IsEmpty());
	EXPECT_FALSE(page.SetValue(L"Impostor", CValue(true)));
}

TEST_F(Parameters, ADeletedPropertysHandlesAnswerEmptyAndTakeNothing)
{
	XSI::CustomProperty options = AddOptions();
	XSI::Parameter flag;
	ASSERT_EQ(Add(options, L"Flag", CValue::siBool, CValue(true), flag), CStatus::OK);
	uint32_t slot = host.Scene().SlotOf(options.GetRef());
	host_engine::PropertyPage page(host, slot, L"Options", {});
	host.Scene().Objects().DestroySubtree(slot);

	EXPECT_FALSE(flag.IsValid());
	EXPECT_TRUE(options.GetParameterValue(L"Flag").IsEmpty());
	EXPECT_EQ(options.PutParameterValue(L"Flag", false), CStatus::MemberNotFound);
	EXPECT_FALSE(options.GetParameter(L"Flag").IsValid());
	XSI::Parameter added;
	EXPECT_EQ(Add(options, L"Other", CValue::siBool, CValue(true), added), CStatus::InvalidArgument);
	EXPECT_FALSE(added.IsValid());
	EXPECT_TRUE(page.ParameterNames().empty());
	EXPECT_TRUE(page.Value(L"Flag").IsEmpty());
	EXPECT_FALSE(page.SetValue(L"Flag", CValue(false)));
}

} // namespace
