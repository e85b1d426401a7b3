// The host's own commands, DeleteObj and InspectObj: what each call returns
// and does, one row a call, with the defaults of what a caller leaves out.
#include "support/host_records.h"
#include "support/host_scene.h"

#include "engine/class_info.h"
#include "support/scripted_page_driver.h"

#include <xsi_application.h>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using quillmere_tests::Deletion;
using quillmere_tests::Deletions;

class EngineCommands : public quillmere_tests::HostScene
{
protected:
	void TearDown() override
	{
		host.SetPageDriver(nullptr);
		host.Faults() = host_engine::HostFaults();
		HostScene::TearDown();
	}
};

struct CommandCase {
	const char* what;
	// Builds what the call needs and gives the command's name and arguments.
	std::function<void(std::wstring& command, XSI::CValueArray& args)> prepare;
	XSI::CStatus::Code status;
	std::function<void()> check; // what the call did
};

TEST_F(EngineCommands, EachCallsStatusAndEffect)
{
	XSI::CRef arm, hand, cns, property;
	std::unique_ptr<quillmere_tests::ScriptedPageDriver> page;
	// An object with a child and a constraint, a property to inspect.
	auto build = [&] {
		arm = scene.AddObject(scene.Root(), L"arm");
		hand = scene.AddObject(arm, L"hand");
		cns = scene.AddConstraint(arm, L"Position Cns");
		property = scene.AddProperty(scene.Root(), L"CustomProperty", L"notes");
	};
	auto deleteObj = [](std::wstring& command, XSI::CValueArray& args, const XSI::CValue& target) {
		command = L"DeleteObj";
		args = XSI::CValueArray(1);
		args[0] = target;
	};
	// InspectObj with the first `given` of: the property, "" keywords, a
	// title, `mode`, `throwOnCancel`.
	auto inspect = [&](XSI::CValueArray& args, LONG given, const XSI::CValue& keywords, LONG mode, bool throwOnCancel) {
		args = XSI::CValueArray(given);
		const XSI::CValue all[] = {XSI::CValue(property), keywords, XSI::CValue(L"Notes"),
		                           XSI::CValue(static_cast<LONG>(mode)), XSI::CValue(throwOnCancel)};
		for (LONG i = 0; i < given; ++i) {
			args[i] = all[i];
		}
	};
	auto shown = [&](int times) { return [&page, times] { EXPECT_EQ(page->Record().timesShown, times); }; };
	const std::vector<CommandCase> cases = {
	    // DeleteObj on the selection: each object once, however they nest.
	    {"the selection, a parent before its child",
	     [&](std::wstring& command, XSI::CValueArray& args) {
		     scene.Select(arm);
		     scene.Select(hand);
		     command = L"DeleteObj";
		     args = XSI::CValueArray();
	     },
	     XSI::CStatus::OK,
	     [&] {
		     EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"arm", L"X3DObject", L"Scene_Root"}}));
		     EXPECT_EQ(host.History().FailedCount(), 0u);
	     }},
	    {"the selection, a child before its parent",
	     [&](std::wstring& command, XSI::CValueArray& args) {
		     scene.Select(hand);
		     scene.Select(arm);
		     command = L"DeleteObj";
		     args = XSI::CValueArray();
	     },
	     XSI::CStatus::OK,
	     [&] {
		     EXPECT_EQ(Deletions(),
		               (std::vector<Deletion>{{L"hand", L"X3DObject", L"arm"}, {L"arm", L"X3DObject", L"Scene_Root"}}));
	     }},
	    {"a name that names nothing",
	     [&](std::wstring& c, XSI::CValueArray& a) { deleteObj(c, a, XSI::CValue(L"nobody")); },
	     XSI::CStatus::InvalidArgument, [&] { EXPECT_EQ(host.History().FailedCount(), 1u); }},
	    {"the scene root", [&](std::wstring& c, XSI::CValueArray& a) { deleteObj(c, a, XSI::CValue(L"Scene_Root")); },
	     XSI::CStatus::InvalidArgument, [&] { EXPECT_TRUE(scene.Root().IsValid()); }},
	    {"nothing selected",
	     [&](std::wstring& command, XSI::CValueArray& args) {
		     command = L"DeleteObj";
		     args = XSI::CValueArray();
	     },
	     XSI::CStatus::InvalidArgument, [&] { EXPECT_EQ(host.History().FailedCount(), 1u); }},
	    {"a deletion the host refuses",
	     [&](std::wstring& c, XSI::CValueArray& a) {
		     uint32_t refused = host.Scene().SlotOf(cns);
		     host.Faults().failDelete = [refused](uint32_t slot) { return slot == refused; };
		     deleteObj(c, a, cns);
	     },
	     XSI::CStatus::Fail, [&] { EXPECT_TRUE(cns.IsValid()); }},
	    {"a selection one of whose deletions the host refuses",
	     [&](std::wstring& command, XSI::CValueArray& args) {
		     uint32_t refused = host.Scene().SlotOf(hand);
		     host.Faults().failDelete = [refused](uint32_t slot) { return slot == refused; };
		     scene.Select(hand);
		     scene.Select(property);
		     command = L"DeleteObj";
		     args = XSI::CValueArray();
	     },
	     XSI::CStatus::Fail,
	     [&] {
		     EXPECT_TRUE(hand.IsValid());
		     EXPECT_FALSE(property.IsValid()); // the others still go
	     }},
	    // InspectObj: a mode left out is a floating page, which nothing waits on.
	    {"no mode given: not modal, no page",
	     [&](std::wstring& c, XSI::CValueArray& a) {
		     c = L"InspectObj";
		     inspect(a, 3, XSI::CValue(), 0, false);
	     },
	     XSI::CStatus::OK, shown(0)},
	    {"not modal, with keywords: no page, no failure",
	     [&](std::wstring& c, XSI::CValueArray& a) {
		     c = L"InspectObj";
		     inspect(a, 4, XSI::CValue(L"Kinematics"), XSI::siRecycle, false);
	     },
	     XSI::CStatus::OK, shown(0)},
	    {"modal, with keywords: no page, a failure",
	     [&](std::wstring& c, XSI::CValueArray& a) {
		     c = L"InspectObj";
		     inspect(a, 5, XSI::CValue(L"Kinematics"), XSI::siModal, false);
	     },
	     XSI::CStatus::Fail, shown(0)},
	    {"modal, cancelled, throw-on-cancel left out: it throws",
	     [&](std::wstring& c, XSI::CValueArray& a) {
		     c = L"InspectObj";
		     page->Answer(host_engine::PageAnswer::Cancel);
		     inspect(a, 4, XSI::CValue(L""), XSI::siModal, false);
	     },
	     XSI::CStatus::Abort, shown(1)},
	    {"modal, cancelled, not throwing",
	     [&](std::wstring& c, XSI::CValueArray& a) {
		     c = L"InspectObj";
		     page->Answer(host_engine::PageAnswer::Cancel);
		     inspect(a, 5, XSI::CValue(L""), XSI::siModal, false);
	     },
	     XSI::CStatus::OK, shown(1)},
	};
	for (const CommandCase& entry : cases) {
		SCOPED_TRACE(entry.what);
		host.ResetScene();
		host.Faults() = host_engine::HostFaults();
		page.reset(new quillmere_tests::ScriptedPageDriver);
		host.SetPageDriver(page.get());
		build();
		size_t live = host.Scene().Objects().LiveCount();
		std::wstring command;
		XSI::CValueArray args;
		entry.prepare(command, args);
		XSI::CValue result;
		EXPECT_EQ(XSI::Application().ExecuteCommand(command.c_str(), args, result).GetCode(), entry.status);
		entry.check();
		// One undo puts back whatever the call took, handles and all.
		host.Faults() = host_engine::HostFaults();
		bool changed = host.Scene().Objects().LiveCount() != live;
		EXPECT_EQ(host.UndoSteps().Undo(), changed);
		EXPECT_EQ(host.Scene().Objects().LiveCount(), live);
		for (const XSI::CRef& ref : {arm, hand, cns, property}) {
			EXPECT_TRUE(ref.IsValid());
		}
	}
}

TEST_F(EngineCommands, TwoPresetsUnderOneObject_UniqueNames_AndThePropertiesFamilyHoldsNoConstraint)
{
	XSI::CRef arm = scene.AddObject(scene.Root(), L"arm");
	XSI::CRef first = scene.AddProperty(arm, L"CustomProperty", L"Notes");
	XSI::CRef second = scene.AddProperty(arm, L"CustomProperty", L"Notes");
	EXPECT_EQ(readBack.NameOf(first), L"Notes");
	EXPECT_EQ(readBack.NameOf(second), L"Notes1");
	EXPECT_EQ(readBack.Find(L"arm.Notes1"), second);

	// Constraints derive from properties in the class tree, but are not of the family.
	const host_engine::HostReadings readings;
	using host_engine::Family;
	EXPECT_TRUE(host_engine::IsKindOf(XSI::siConstraintID, XSI::siPropertyID));
	EXPECT_FALSE(host_engine::IsInFamily(XSI::siConstraintID, Family::Properties, readings));
	EXPECT_TRUE(host_engine::IsInFamily(XSI::siCustomPropertyID, Family::Properties, readings));
	EXPECT_TRUE(host_engine::IsInFamily(XSI::siConstraintID, Family::Constraints, readings));
}

} // namespace
