// The reports' counts: what a deletion is, what a terminal is shown, and in
// what order kinds and values come.
#include "output/run_report.h"

#include "support/host_scene.h"

#include <xsi_application.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using host_engine::LayoutItem;
using quillmere_host::OutputBuffer;
using quillmere_host::RunRecord;

const size_t kWhole = static_cast<size_t>(-1);

struct ReportCase {
	const char* what;
	std::function<void()> run;
	std::function<void(RunRecord&)> record; // the run as the program saw it
	size_t limit;                           // objects a terminal is shown
	std::vector<std::string> shown;         // in this order
	std::vector<std::string> notShown;
};

class RunReport : public quillmere_tests::HostScene
{
protected:
	void TearDown() override
	{
		host.Faults() = host_engine::HostFaults();
		host.Commands().Unregister(L"Batch");
		host.Journal().Stop();
		host.Journal().Clear();
		HostScene::TearDown();
	}

	// Runs `body` as one command, as a plug-in's command runs.
	void RunCommand(const std::function<void()>& body)
	{
		host.Commands().Register(L"Batch", [body](XSI::CValueArray&, XSI::CValue&) {
			body();
			return XSI::CStatus(XSI::CStatus::OK);
		});
		XSI::CValueArray args;
		XSI::CValue result;
		XSI::Application().ExecuteCommand(L"Batch", args, result);
	}

	static void Delete(const XSI::CValue& target)
	{
		XSI::CValueArray args(1);
		args[0] = target;
		XSI::CValue ignored;
		XSI::Application().ExecuteCommand(L"DeleteObj", args, ignored);
	}

	// `count` objects, each with a Position constraint, deleted one by one,
	// and the run's own property made and deleted last.
	void DeleteFromObjects(int count)
	{
		std::vector<XSI::CRef> constraints;
		for (int i = 0; i < count; ++i) {
			constraints.push_back(
			    scene.AddConstraint(scene.AddObject(scene.Root(), L"object" + std::to_wstring(i)), L"Position Cns"));
		}
		RunCommand([&] {
			XSI::CRef own = scene.AddProperty(scene.Root(), L"CustomProperty", L"QuillmereOption");
			for (const XSI::CRef& constraint : constraints) {
				Delete(constraint);
			}
			Delete(own);
		});
	}

	// Each case on a fresh scene, journal and faults: its text report shows
	// `shown`, in that order, and none of `notShown`.
	void ExpectEachCase(const std::vector<ReportCase>& cases)
	{
		for (const ReportCase& entry : cases) {
			host.ResetScene();
			host.Journal().Clear();
			host.Faults() = host_engine::HostFaults();
			entry.run();
			RunRecord run;
			if (entry.record) {
				entry.record(run);
			}
			std::string text = Text(run, entry.limit);
			size_t from = 0;
			for (const std::string& part : entry.shown) {
				size_t at = text.find(part, from);
				EXPECT_NE(at, std::string::npos) << entry.what << ": no \"" << part << "\" in\n" << text;
				from = at == std::string::npos ? from : at + part.size();
			}
			for (const std::string& part : entry.notShown) {
				EXPECT_EQ(text.find(part), std::string::npos) << entry.what << ": \"" << part << "\" in\n" << text;
			}
		}
	}

	std::string Text(const RunRecord& run, size_t limit)
	{
		std::string text;
		OutputBuffer out(OutputBuffer::Into(text));
		WriteTextReport(run, host, out, limit);
		return text;
	}
	std::string Json(const RunRecord& run)
	{
		std::string text;
		OutputBuffer out(OutputBuffer::Into(text));
		WriteJsonReport(run, host, out);
		return text;
	}
};

// A page of three options, laid out in another order than the property
// defines them, as the plug-in's page is.
RunRecord WithPage()
{
	RunRecord run;
	auto item = [](const wchar_t* name, const wchar_t* label) {
		LayoutItem entry;
		entry.kind = LayoutItem::Item;
		entry.name = name;
		entry.label = label;
		return entry;
	};
	run.page.timesShown = 1;
	run.page.confirmed = true;
	run.page.title = L"Options";
	run.page.layout = {item(L"Pos", L"Position"), item(L"Ori", L"Orientation"), item(L"Dir", L"Direction")};
	run.page.openValues = {{L"Pos", true}, {L"Dir", true}, {L"Ori", false}};
	run.page.closeValues = run.page.openValues;
	run.pageValues = {{L"Pos", true}, {L"Ori", false}, {L"Dir", true}}; // in the page's order, as the run gives them
	return run;
}

TEST_F(RunReport, TextReport_WhatCountsAndWhatATerminalIsShown)
{
	const std::string kTemporary =
	    "The command's temporary object, made and deleted by this run: CustomProperty \"QuillmereOption\" under "
	    "Scene_Root\n";
	const std::string kCutOff = ": --report json lists them all, and so does this report redirected to a file";
	const std::vector<ReportCase> cases = {
	    {"a cancelled run: only the command's own property goes, and is no deletion",
	     [&] { DeleteFromObjects(0); },
	     nullptr,
	     kWhole,
	     {"DeleteObj calls (0), by the object they belonged to:\n  none\n" + kTemporary +
	      "\nDeleted, per kind:\n  nothing\nFailed deletes: 0\n"},
	     {"  Scene_Root\n"}},
	    {"a property left from before the run is the scene's: counted",
	     [&] {
		     XSI::CRef leftover = scene.AddProperty(scene.Root(), L"CustomProperty", L"QuillmereOption");
		     RunCommand([&] { Delete(leftover); });
	     },
	     nullptr,
	     kWhole,
	     {"DeleteObj calls (1)", "  Scene_Root\n    CustomProperty \"QuillmereOption\"\n",
	      "Deleted, per kind:\n  CustomProperty \"QuillmereOption\": 1\n"},
	     {"temporary"}},
	    {"exactly as many objects as a terminal is shown: nothing more to say",
	     [&] { DeleteFromObjects(100); },
	     nullptr,
	     100,
	     {"DeleteObj calls (100)", "  object99\n    Constraint \"Position Cns\"\n" + kTemporary,
	      "  Constraint \"Position Cns\": 100\n"},
	     {" more "}},
	    {"one more than a terminal is shown",
	     [&] { DeleteFromObjects(101); },
	     nullptr,
	     100,
	     {"  object99\n    Constraint \"Position Cns\"\n  ... and 1 more objects, 1 more calls" + kCutOff, kTemporary,
	      "  Constraint \"Position Cns\": 101\n"},
	     {"object100"}},
	    {"a failed delete between two deletions of one object: its owner named again",
	     [&] {
		     XSI::CRef a = scene.AddObject(scene.Root(), L"a");
		     XSI::CRef pos = scene.AddConstraint(a, L"Position Cns");
		     XSI::CRef ori = scene.AddConstraint(a, L"Orientation Cns");
		     RunCommand([&] {
			     Delete(pos);
			     Delete(XSI::CValue(L"nobody"));
			     Delete(ori);
		     });
	     },
	     nullptr,
	     kWhole,
	     {"DeleteObj calls (3)",
	      "  a\n    Constraint \"Position Cns\"\n  (failed) nobody\n  a\n    Constraint \"Orientation Cns\"\n",
	      "Failed deletes: 1\n"},
	     {}},
	    {"a failed delete's name, escaped for the terminal",
	     [&] { RunCommand([&] { Delete(XSI::CValue(L"evil\x1b[2J\x202e\x0085name\\")); }); },
	     nullptr,
	     kWhole,
	     {"  (failed) evil\\u001b[2J\\u202e\\u0085name\\\\\n"},
	     {"\x1b", "\xe2\x80\xae", "\xc2\x85"}},
	    {"kinds in the order of the page's options, the others after them as first deleted",
	     [&] {
		     XSI::CRef bone = scene.AddObject(scene.Root(), L"bone", XSI::siChainBoneID);
		     XSI::CRef ori = scene.AddConstraint(bone, L"Orientation Cns");
		     XSI::CRef op = scene.AddOperator(bone, L"SkeletonUpVectorOp");
		     XSI::CRef pos = scene.AddConstraint(bone, L"Position Cns");
		     XSI::CRef pose = scene.AddConstraint(bone, L"Pose Cns"); // "Pos" is no label: not under Position
		     RunCommand([&] {
			     for (const XSI::CRef& each : {pose, ori, op, pos}) {
				     Delete(each);
			     }
		     });
	     },
	     [](RunRecord& run) { run = WithPage(); },
	     kWhole,
	     {"Deleted, per kind:\n  Constraint \"Position Cns\": 1\n  Constraint \"Orientation Cns\": 1\n"
	      "  Constraint \"Pose Cns\": 1\n  Operator \"SkeletonUpVectorOp\": 1\n"},
	     {}},
	    {"--undo: the scene as loaded",
	     [] {},
	     [](RunRecord& run) { run.undone = run.restored = true; },
	     kWhole,
	     {"\nCommand status: 0\nUndo: the scene equals the one loaded.\n"},
	     {"DIFFERS"}},
	    {"--undo: another scene",
	     [] {},
	     [](RunRecord& run) { run.undone = true; },
	     kWhole,
	     {"\nUndo: the scene DIFFERS FROM the one loaded.\n"},
	     {"equals"}},
	    {"--trace on a terminal: cut off as the deletions are",
	     [&] {
		     for (int i = 0; i < 150; ++i) {
			     host.Journal().Add(host_engine::JournalEntry{"CBase.IsValid", "object" + std::to_string(i), ""});
		     }
	     },
	     [](RunRecord& run) { run.traced = true; },
	     100,
	     {"\nCalls the plug-in made (150):\n  CBase.IsValid object0\n",
	      "  CBase.IsValid object99\n  ... and 50 more calls" + kCutOff},
	     {"object100"}},
	    {"--trace into a file: whole",
	     [&] {
		     for (int i = 0; i < 150; ++i) {
			     host.Journal().Add(host_engine::JournalEntry{"CBase.IsValid", "object" + std::to_string(i), ""});
		     }
	     },
	     [](RunRecord& run) { run.traced = true; },
	     kWhole,
	     {"  CBase.IsValid object149\n"},
	     {" more "}},
	};
	ExpectEachCase(cases);
}

// What stayed, said of every selected 3D object as far as the host knows:
// the same list, cut off on a terminal as the deletions are, whatever
// ended the run.
TEST_F(RunReport, KeptSection_EachItemWithWhatTheRunShows_ATerminalAScreenful)
{
	const std::string kCutOff = ": --report json lists them all, and so does this report redirected to a file";
	// `count` selected objects, each keeping two Orientation constraints
	// (off on the page) and a bone's operator of no option; one object not
	// selected, and a group, which is no 3D object.
	auto keepFrom = [&](int count) {
		for (int i = 0; i < count; ++i) {
			XSI::CRef object = scene.AddObject(scene.Root(), L"object" + std::to_wstring(i), XSI::siChainBoneID);
			scene.AddConstraint(object, L"Orientation Cns");
			scene.AddConstraint(object, L"Orientation Cns");
			scene.AddOperator(object, L"SkeletonPrefRotOp");
			scene.Select(object);
		}
		scene.AddConstraint(scene.AddObject(scene.Root(), L"unselected"), L"Orientation Cns");
		scene.Select(scene.AddObject(scene.Root(), L"group", XSI::siGroupID));
	};
	const std::string kOri = "    Constraint \"Orientation Cns\": ";
	const std::vector<ReportCase> cases = {
	    {"as many objects as a terminal is shown",
	     [&] { keepFrom(100); },
	     [](RunRecord& run) { run = WithPage(); },
	     100,
	     {"\nKept on the selected 3D objects, and why:\n  object0\n" + kOri + "Orientation was off on the page\n" +
	          kOri,
	      "  object99\n" + kOri + "Orientation was off on the page\n" + kOri +
	          "Orientation was off on the page\n\nKept, per reason:\n",
	      "  Orientation was off on the page: 200\n"},
	     {"SkeletonPrefRotOp", "unselected", "group", " more "}},
	    {"one more: cut off, the count per reason whole",
	     [&] { keepFrom(101); },
	     [](RunRecord& run) { run = WithPage(); },
	     100,
	     {"  object99\n" + kOri + "Orientation was off on the page\n" + kOri +
	          "Orientation was off on the page\n  ... and 1 more objects, 2 more kept" + kCutOff,
	      "  Orientation was off on the page: 202\n"},
	     {"object100"}},
	    {"no page shown", [&] { keepFrom(1); }, nullptr, kWhole, {kOri + "the command showed no option page\n"}, {}},
	    {"a cancelled page",
	     [&] { keepFrom(1); },
	     [](RunRecord& run) {
		     run = WithPage();
		     run.page.confirmed = false;
	     },
	     kWhole,
	     {kOri + "the option page was cancelled\n", "Kept, per reason:\n  the option page was cancelled: 2\n"},
	     {}},
	    {"a command that failed",
	     [&] { keepFrom(1); },
	     [](RunRecord& run) {
		     run = WithPage();
		     run.status = 0x80004005;
	     },
	     kWhole,
	     {kOri + "the command failed\n"},
	     {}},
	    {"a DeleteObj that failed, named in the list of calls as it is, the scene root too",
	     [&] {
		     keepFrom(1);
		     XSI::CRef pos = scene.AddConstraint(readBack.Find(L"object0"), L"Position Cns");
		     uint32_t refused = host.Scene().SlotOf(pos);
		     uint32_t root = host.Scene().RootSlot();
		     host.Faults().failDelete = [refused, root](uint32_t slot) { return slot == refused || slot == root; };
		     RunCommand([&] {
			     Delete(pos);
			     Delete(scene.Root());
		     });
	     },
	     [](RunRecord& run) { run = WithPage(); },
	     kWhole,
	     {"  (failed) Position Cns\n  (failed) Scene_Root\n",
	      "  object0\n" + kOri + "Orientation was off on the page\n",
	      "    Constraint \"Position Cns\": its DeleteObj failed\n",
	      "Kept, per reason:\n  its DeleteObj failed: 1\n  Orientation was off on the page: 2\n"},
	     {}},
	    {"nothing kept",
	     [] {},
	     [](RunRecord& run) { run = WithPage(); },
	     kWhole,
	     {"\nKept on the selected 3D objects, and why:\n  none\n\nKept, per reason:\n  nothing\n"},
	     {}},
	};
	ExpectEachCase(cases);
}

// After --undo what the run deleted is back in the scene: it was not kept.
TEST_F(RunReport, KeptSection_AfterAnUndo_StillWhatTheRunLeft)
{
	XSI::CRef arm = scene.AddObject(scene.Root(), L"arm");
	XSI::CRef pos = scene.AddConstraint(arm, L"Position Cns");
	scene.AddConstraint(arm, L"Orientation Cns");
	scene.Select(arm);
	RunCommand([&] { Delete(pos); });
	RunRecord run = WithPage();
	std::string before = Json(run);
	ASSERT_TRUE(host.UndoSteps().Undo());
	ASSERT_TRUE(pos.IsValid());
	run.undone = run.restored = true;
	std::string after = Json(run);
	const std::string kept = "\"kept\": [\n    {\n      \"name\": \"Orientation Cns\",\n      \"class\": "
	                         "\"Constraint\",\n      \"owner\": \"arm\",\n      \"reason\": \"kind-off\",\n      "
	                         "\"option\": \"Ori\"\n    }\n  ],\n";
	EXPECT_NE(before.find(kept), std::string::npos) << before;
	EXPECT_NE(after.find(kept), std::string::npos) << after;
}

TEST_F(RunReport, JsonReport_ValuesInTheOrderGiven_TheCommandsOwnPropertyMarkedTemporary)
{
	XSI::CRef leftover = scene.AddProperty(scene.Root(), L"CustomProperty", L"QuillmereOption");
	RunCommand([&] {
		XSI::CRef own = scene.AddProperty(scene.Root(), L"CustomProperty", L"QuillmereOption");
		Delete(leftover);
		Delete(own);
	});
	std::string json = Json(WithPage());
	EXPECT_NE(json.find("\"values\": {\n      \"Pos\": true,\n      \"Ori\": false,\n      \"Dir\": true\n    }"),
	          std::string::npos)
	    << json;
	EXPECT_NE(json.find("\"name\": \"QuillmereOption\",\n      \"class\": \"CustomProperty\",\n      \"owner\": "
	                    "\"Scene_Root\"\n    },"),
	          std::string::npos)
	    << json;
	EXPECT_NE(json.find("\"name\": \"QuillmereOption1\",\n      \"class\": \"CustomProperty\",\n      \"owner\": "
	                    "\"Scene_Root\",\n      \"temporary\": true\n    }\n  ]"),
	          std::string::npos)
	    << json;
}

} // namespace
