// The plain C bridge to the object API: what crosses is the stand-in's own,
// a call through it is the member's own (the journal can't tell them apart),
// and a fault is kept for the engine rather than thrown across.
#include "support/host_records.h"
#include "support/host_scene.h"

#include "abi_bridge.h"
#include "bridge_faults.h"
#include "engine/plugin_fault.h"
#include "engine/api_caller.h"
#include "engine/ref_handles.h"

#include <xsi_x3dobject.h>

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

namespace {

using Bridge = quillmere_tests::HostScene;

std::wstring TextOf(bridge_string* text)
{
	std::wstring copy = bridge_string_wide(text);
	bridge_string_delete(text);
	return copy;
}

TEST_F(Bridge, ItemsHandedOutAreTheArraysOwn_WrittenThroughAndReadBack)
{
	bridge_value_array* args = bridge_value_array_new(2);
	bridge_value* first = bridge_value_array_at(args, 0, 1);
	bridge_number yes{};
	yes.kind = BRIDGE_BOOL;
	yes.u.b = 1;
	bridge_value_assign_number(first, &yes);
	bridge_value_assign_wide(bridge_value_array_at(args, 1, 1), L"Position Cns");
	EXPECT_EQ(bridge_value_type(bridge_value_array_at(args, 0, 0)), XSI::CValue::siBool);
	EXPECT_EQ(TextOf(bridge_value_as_text(bridge_value_array_at(args, 1, 0))), L"Position Cns");

	bridge_string_array* texts = bridge_string_array_new(1);
	bridge_string_assign_wide(bridge_string_array_at(texts, 0, 1), L"3D Objects");
	EXPECT_EQ(std::wstring(bridge_string_wide(bridge_string_array_at(texts, 0, 0))), L"3D Objects");

	XSI::CRef arm = scene.AddObject(scene.Root(), L"arm_L");
	bridge_ref_array* refs = bridge_ref_array_new(1);
	bridge_ref_array_set(refs, 0, host_engine::WordOf(arm));
	EXPECT_EQ(bridge_ref_array_get(refs, 0, 0), host_engine::WordOf(arm));
	EXPECT_EQ(bridge_fault_pending(), 0);

	bridge_ref_array_delete(refs);
	bridge_string_array_delete(texts);
	bridge_value_array_delete(args);
}

TEST_F(Bridge, AMemberThroughTheBridge_IsJournaledAsTheMembersOwnCall)
{
	XSI::CRef arm = scene.AddObject(scene.Root(), L"arm_L");
	host.Journal().Start();
	{
		host_engine::CallerScope plugin(host.Caller(), host_engine::ApiCaller::Kind::Plugin);
		EXPECT_EQ(TextOf(bridge_siobject_get_name(XSI::siX3DObjectID, host_engine::WordOf(arm))), L"arm_L");
		XSI::X3DObject(arm).GetName();
	}
	host.Journal().Stop();
	ASSERT_EQ(host.Journal().Entries().size(), 2u);
	EXPECT_EQ(quillmere_tests::CallText(host.Journal().Entries()[0]),
	          quillmere_tests::CallText(host.Journal().Entries()[1]));
	host.Journal().Clear();
}

TEST_F(Bridge, AFaultIsKeptForTheEngine_TheCallAnswersNeutrally_TheFirstFaultWins)
{
	bridge_ref_array* refs = bridge_ref_array_new(1);
	EXPECT_EQ(bridge_ref_array_get(refs, 5, 0), 0u);
	EXPECT_EQ(bridge_fault_pending(), 1);
	// A call that faults after the first, before the engine took it, keeps the first.
	bridge_string_array* texts = bridge_string_array_new(0);
	EXPECT_EQ(bridge_string_array_at(texts, 0, 1), nullptr);
	bridge_string_array_delete(texts);
	// A handle of a class without the member asked is the caller's fault too.
	XSI::CRef arm = scene.AddObject(scene.Root(), L"arm_L");
	EXPECT_EQ(bridge_x3dobject_get_kinematics(XSI::siContextID, host_engine::WordOf(arm)), 0u);

	std::exception_ptr fault = abi_bridge::TakeFault();
	ASSERT_TRUE(fault);
	EXPECT_EQ(bridge_fault_pending(), 0);
	try {
		std::rethrow_exception(fault);
	} catch (const host_engine::PluginFault& kept) {
		EXPECT_EQ(std::string(kept.what()).rfind("CRefArray::operator[]: index 5 is outside the 1 items", 0), 0u);
	}
	EXPECT_EQ(bridge_x3dobject_get_kinematics(XSI::siContextID, host_engine::WordOf(arm)), 0u);
	EXPECT_THROW(std::rethrow_exception(abi_bridge::TakeFault()), std::logic_error);
	bridge_ref_array_delete(refs);
}

} // namespace
