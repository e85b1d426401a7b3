// The command riding out a misbehaving host: failed deletions, a page that
// won't open, a property that can't be made, objects deleted by another hand;
// under every reading of what the host leaves open.
#include "support/each_reading.h"
#include "support/host_records.h"
#include "support/loaded_module.h"

#include <xsi_kinematics.h>
#include <xsi_x3dobject.h>

namespace {

using quillmere_tests::Deletion;
using quillmere_tests::Deletions;

class HostFaults : public quillmere_tests::LoadedModule, public ::testing::WithParamInterface<host_engine::HostReadings>
{
protected:
	void SetUp() override
	{
		LoadedModule::SetUp();
		host.Readings() = GetParam();
		a = scene.AddObject(scene.Root(), L"a");
		aPos = scene.AddConstraint(a, L"Position Cns");
		aOri = scene.AddConstraint(a, L"Orientation Cns");
		b = scene.AddObject(scene.Root(), L"b");
		scene.AddConstraint(b, L"Pose Cns");
		scene.Select(a);
		scene.Select(b);
	}

	void TearDown() override
	{
		host.Faults() = host_engine::HostFaults();
		LoadedModule::TearDown();
	}

	XSI::CRef a, aPos, aOri, b;
};

TEST_P(HostFaults, FailedDeletions_TheWalkGoesOnAndReportsSuccess)
{
	uint32_t failing = host.Scene().SlotOf(aPos);
	host.Faults().failDelete = [failing](uint32_t slot) { return slot == failing; };
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Orientation Cns", L"Constraint", L"a"},
	                                              {L"Pose Cns", L"Constraint", L"b"},
	                                              {L"QuillmereOption", L"CustomProperty", L"Scene_Root"}}));
	EXPECT_EQ(host.History().FailedCount(), 1u);
	EXPECT_TRUE(aPos.IsValid());
}

TEST_P(HostFaults, PropertyDeletionFails_CommandStillSucceeds)
{
	host.Faults().failDelete = [this](uint32_t slot) {
		return host.Scene().Objects().At(slot).classId == XSI::siCustomPropertyID;
	};
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(Deletions().size(), 3u);
	EXPECT_EQ(host.History().FailedCount(), 1u);
	EXPECT_TRUE(readBack.Find(L"QuillmereOption").IsValid()); // the host kept it; nothing to do about that
}

TEST_P(HostFaults, PageFailsToOpen_NothingRemovedButTheProperty)
{
	host.Faults().failInspect = true;
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(page.Record().timesShown, 0);
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"QuillmereOption", L"CustomProperty", L"Scene_Root"}}));
	EXPECT_TRUE(host.Log().Lines().empty());
}

TEST_P(HostFaults, PropertyCannotBeMade_NothingReadLoggedOrDeleted_WhateverIsSelected)
{
	// Something else inspectable in the selection: it must not be shown
	// instead. A DeleteObj of the invalid handle would delete the selection
	// (the host's DeleteObj takes it), and with nothing selected still be a
	// call; reading the answers would read nothing, and a pass over an empty
	// selection would log "Please select object(s).".
	XSI::CRef other = scene.AddProperty(scene.Root(), L"QuillmereOption", L"other");
	scene.Select(other);
	const std::pair<const char*, std::vector<XSI::CRef>> selections[] = {
	    {"three objects", {a, b, other}},
	    {"nothing", {}},
	};
	for (const auto& selection : selections) {
		SCOPED_TRACE(selection.first);
		host.Scene().ClearSelection();
		for (const XSI::CRef& selected : selection.second) {
			scene.Select(selected);
		}
		host.Log().Clear();
		host.Journal().Clear();
		host.Journal().Start();
		host.Faults().failAddProperty = true;
		EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
		host.Journal().Stop();
		EXPECT_EQ(page.Record().timesShown, 0);
		EXPECT_TRUE(host.History().Records().empty());
		for (const char* call : {"ProjectItem.GetParameterValue", "Application.ExecuteCommand",
		                         "Application.LogMessage", "Application.GetSelection"}) {
			EXPECT_TRUE(quillmere_tests::Calls(call).empty()) << call;
		}
		EXPECT_TRUE(a.IsValid() && b.IsValid() && other.IsValid());
		EXPECT_EQ(host.Scene().SelectedObjects().size(), selection.second.size());
		// The host's own error, and nothing from the plug-in.
		ASSERT_EQ(host.Log().Lines().size(), 1u);
		EXPECT_EQ(host.Log().Lines()[0].message,
		          L"AddProperty: cannot add a property from the preset \"QuillmereOption\"");
		EXPECT_EQ(host.Log().Lines()[0].severity, XSI::siErrorMsg);
	}
	host.Journal().Clear();
}

TEST_P(HostFaults, ObjectDeletedByAnotherHand_IsSkippedWithoutAMessage)
{
	// When the first constraint of a goes, another hand deletes b.
	host.Faults().beforeCommand = [this, &h = host](std::wstring_view command) {
		if (command == L"DeleteObj" && b.IsValid()) {
			h.Scene().Objects().DestroySubtree(h.Scene().SlotOf(b));
		}
	};
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Position Cns", L"Constraint", L"a"},
	                                              {L"Orientation Cns", L"Constraint", L"a"},
	                                              {L"QuillmereOption", L"CustomProperty", L"Scene_Root"}}));
	EXPECT_TRUE(host.Log().Lines().empty());
	EXPECT_EQ(host.History().FailedCount(), 0u);
}

TEST_P(HostFaults, ListedConstraintDeletedByAnotherHand_IsPassedOver)
{
	host.Faults().beforeCommand = [this, &h = host](std::wstring_view command) {
		if (command == L"DeleteObj" && aOri.IsValid()) {
			h.Scene().Objects().DestroySubtree(h.Scene().SlotOf(aOri)); // listed already, gone before its turn
		}
	};
	EXPECT_EQ(RunCommand(), XSI::CStatus::OK);
	// Its handle in the listed array went stale: its name reads empty and matches nothing.
	EXPECT_EQ(Deletions(), (std::vector<Deletion>{{L"Position Cns", L"Constraint", L"a"},
	                                              {L"Pose Cns", L"Constraint", L"b"},
	                                              {L"QuillmereOption", L"CustomProperty", L"Scene_Root"}}));
	EXPECT_EQ(host.History().FailedCount(), 0u);
}

QUILLMERE_UNDER_EACH_READING(HostFaults);

} // namespace
