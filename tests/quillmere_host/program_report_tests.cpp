// quillmere-host from the outside: its reports, as a person or a program reads them.
#include "quillmere_host/host_program_runs.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using nlohmann::json;
using namespace quillmere_tests;

TEST(HostProgram, BundledSceneReports_MatchTheExpectedFiles)
{
	// The page confirmed as it opened: everything on.
	ProgramResult json = RunHostProgram({"--page", "OK", "--report", "json"});
	ASSERT_EQ(json.exitStatus, 0) << json.err;
	EXPECT_EQ(json.out, ReadFile(EXPECTED_DIR "/sample_rig_report.json"));
	ProgramResult text = RunHostProgram({"--page", "OK"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_EQ(text.out, ReadFile(EXPECTED_DIR "/sample_rig_report.txt"));
	// Answered: nothing to say.
	EXPECT_TRUE(text.err.empty()) << text.err;

	// No answers, on a standard input that is not a terminal: no one
	// confirmed, so nothing goes, and one line says how to confirm.
	ProgramResult unanswered = RunHostProgram({});
	ASSERT_EQ(unanswered.exitStatus, 0) << unanswered.err;
	EXPECT_NE(unanswered.out.find("Option page, as it closed (cancelled):"), std::string::npos) << unanswered.out;
	EXPECT_NE(unanswered.out.find("DeleteObj calls (0)"), std::string::npos) << unanswered.out;
	EXPECT_EQ(unanswered.err, "quillmere-host: standard input ended before OK or Cancel: the option page was "
	                          "cancelled (it gave no answers; confirm with --page OK, or OK on standard input; see "
	                          "--help)\n");
	// A command that fails before its page opens: nothing about the page.
	EXPECT_EQ(RunHostProgram({"--plugin", PLUGIN_THROWS_IN_COMMAND_PATH}).err.find("option page"), std::string::npos);
}

// What stayed on the selected 3D objects, each with the reason a rigger
// asks for: its kind off, a near miss or a renamed constraint, an up-vector
// operator on an object that is no chain bone or a bone's second one.
TEST(HostProgram, KeptSection_WhatStayedAndWhy_InBothReports)
{
	TempFolder folder;
	std::string scene = folder.Path("rig.json");
	WriteFile(scene, R"({"objects": [
	  {"name": "arm", "constraints": ["Position Cns", "position cns", "Scaling Cns", "ScalingCns",
	                                  {"name": "aim_hold", "type": "Direction Cns"}, "Pose Cns"],
	   "operators": ["SkeletonUpVectorOp"]},
	  {"name": "root", "class": "ChainRoot", "operators": ["SkeletonUpVectorOp"], "children": [
	    {"name": "bone", "class": "ChainBone",
	     "operators": ["SkeletonPrefRotOp", "SkeletonUpVectorOp", "SkeletonUpVectorOp"]}]},
	  {"name": "loose", "constraints": ["Pose Cns"]}],
	 "selection": ["arm", "root", "bone"]})");
	json report = JsonRun({"--scene", scene, "--page", "Pose=off OK"});
	std::vector<std::string> kept;
	for (const json& item : report["kept"]) {
		kept.push_back(item["owner"].get<std::string>() + ":" + item["name"].get<std::string>() + ":" +
		               item["reason"].get<std::string>() + ":" +
		               (item["option"].is_null() ? "null" : item["option"].get<std::string>()) +
		               (item.contains("type") ? ":" + item["type"].get<std::string>() : ""));
	}
	EXPECT_EQ(kept, (std::vector<std::string>{"arm:position cns:near-miss:Pos", "arm:Scaling Cns:near-miss:Scaling",
	                                          "arm:aim_hold:no-matching-kind:null:Direction Cns",
	                                          "arm:Pose Cns:kind-off:Pose",
	                                          "arm:SkeletonUpVectorOp:not-a-chain-bone:ChainUpVector",
	                                          "root:SkeletonUpVectorOp:not-a-chain-bone:ChainUpVector",
	                                          "bone:SkeletonUpVectorOp:one-per-bone:ChainUpVector"}));
	EXPECT_EQ(report["kept"][0]["class"], "Constraint");
	EXPECT_EQ(report["kept"][4]["class"], "Operator");

	ProgramResult text = RunHostProgram({"--scene", scene, "--page", "Pose=off OK"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_NE(
	    text.out.find(
	        "\nKept on the selected 3D objects, and why:\n"
	        "  arm\n"
	        "    Constraint \"position cns\": near miss of \"Position Cns\" (Position was on)\n"
	        "    Constraint \"Scaling Cns\": near miss of \"ScalingCns\" (Scaling was on)\n"
	        "    Constraint \"aim_hold\": matches no option on the page (renamed; made as \"Direction Cns\")\n"
	        "    Constraint \"Pose Cns\": Pose was off on the page\n"
	        "    Operator \"SkeletonUpVectorOp\": Chain Up Vector was on, but the object is not a chain bone "
	        "(its class is X3DObject)\n"
	        "  root\n"
	        "    Operator \"SkeletonUpVectorOp\": Chain Up Vector was on, but the object is not a chain bone "
	        "(its class is ChainRoot)\n"
	        "  bone\n"
	        "    Operator \"SkeletonUpVectorOp\": Chain Up Vector was on, and the command took another of this bone's\n"
	        "\nKept, per reason:\n"
	        "  Pose was off on the page: 1\n"
	        "  Chain Up Vector was on, but the object is not a chain bone: 2\n"
	        "  Chain Up Vector was on, and the command took another of the bone's: 1\n"
	        "  near miss of Position (it was on): 1\n"
	        "  near miss of Scaling (it was on): 1\n"
	        "  matches no option on the page: 1\n"),
	    std::string::npos)
	    << text.out;

	// Nothing confirmed: everything stayed, and the report says so of each.
	report = JsonRun({"--scene", scene, "--page", "Cancel"});
	ASSERT_EQ(report["kept"].size(), 10u); // every constraint and every up-vector operator
	for (const json& item : report["kept"]) {
		EXPECT_EQ(item["reason"], "page-cancelled") << item.dump();
	}
}

TEST(HostProgram, WhatThePlugInLogsWhileLoading_IsInTheReport)
{
	ProgramResult text = RunHostProgram({"--plugin", PLUGIN_LOGS_WHILE_LOADING_PATH, "--page", "OK"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_NE(text.out.find("\nLog:\n  warning: loading: version 0.1\n  info: init: the command is set up\n"
	                        "  info: execute: nothing to do\n\n"),
	          std::string::npos)
	    << text.out;
	json report = JsonRun({"--plugin", PLUGIN_LOGS_WHILE_LOADING_PATH, "--page", "OK"});
	ASSERT_EQ(report["log"].size(), 3u);
	EXPECT_EQ(report["log"][0]["message"], "loading: version 0.1");

	// An init that throws is logged, and the log keeps it.
	report = JsonRun({"--plugin", PLUGIN_THROWS_IN_INIT_PATH, "--page", "OK"});
	ASSERT_EQ(report["log"].size(), 1u);
	EXPECT_EQ(report["log"][0]["message"], "Quillmere_Init threw an exception: no init today");
	EXPECT_EQ(report["log"][0]["severity"], 2);
}

TEST(HostProgram, TextReportRedirected_ListsEveryObject)
{
	// More objects than a terminal's screenful: a file gets them all.
	TempFolder folder;
	WriteFile(folder.Path("rig.json"), SelectedObjectsScene(150));
	ProgramResult run = RunHostProgram({"--scene", folder.Path("rig.json"), "--page", "OK"});
	ASSERT_EQ(run.exitStatus, 0) << run.err;
	EXPECT_NE(run.out.find("\n  object149\n    Constraint \"Position Cns\"\n"), std::string::npos);
	EXPECT_EQ(run.out.find("more objects"), std::string::npos);
}

TEST(HostProgram, ReportOnAFullDisk_OneLineErrorAndExitOne)
{
	// A report far larger than the program's output buffer, so that the disk
	// fills while it is still being written, not only at the final flush.
	TempFolder folder;
	WriteFile(folder.Path("rig.json"), SelectedObjectsScene(2000));
	quillmere_tests::ProgramLimits full;
	full.maxFileBytes = 4096;
	full.ignoreFileSizeSignal = true;
	for (const char* report : {"--report=json", "--report=text"}) {
		ProgramResult run = quillmere_tests::RunProgram(
		    QUILLMERE_HOST_PATH, {"--scene", folder.Path("rig.json"), "--page", "OK", report}, "", full);
		EXPECT_EQ(run.exitStatus, 1) << report << ": " << run.err;
		EXPECT_EQ(run.err.rfind("quillmere-host: cannot write the report: ", 0), 0u) << run.err;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
	}
}

TEST(HostProgram, ControlCharactersInNames_EscapedInBothReports)
{
	TempFolder folder;
	std::string scene = folder.Path("scene.json");
	WriteFile(scene, "{\"objects\": [{\"name\": \"esc\\u001b[31mred\", \"constraints\": [\"Position Cns\"]},\n"
	                 " {\"name\": \"two\\nlines\\tand\\u0085more\", \"constraints\": [\"Pose Cns\"]}],\n"
	                 " \"selection\": [\"esc\\u001b[31mred\", \"two\\nlines\\tand\\u0085more\"]}");
	ProgramResult text = RunHostProgram({"--scene", scene, "--page", "OK"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	EXPECT_NE(text.out.find("\n  esc\\u001b[31mred\n    Constraint \"Position Cns\"\n"), std::string::npos) << text.out;
	EXPECT_NE(text.out.find("\n  two\\nlines\\tand\\u0085more\n"), std::string::npos) << text.out;
	EXPECT_EQ(text.out.find('\x1b'), std::string::npos);
	EXPECT_EQ(text.out.find('\t'), std::string::npos);
	EXPECT_EQ(text.out.find("\xc2\x85"), std::string::npos);

	json report = JsonRun({"--scene", scene, "--page", "OK"});
	EXPECT_EQ(report["deleted"][0]["owner"], "esc\x1b[31mred");
	EXPECT_EQ(report["deleted"][1]["owner"], "two\nlines\tand\u0085more");
}

// What a terminal would act on (ESC and OSC sequences, a bell, a NUL) or
// reorder a line by (U+202E), and a newline that would fake a line, is
// escaped in every part of the text report and on standard error.
TEST(HostProgram, HostileNames_EscapedInTheTraceAndOnStandardError)
{
	TempFolder folder;
	std::string scene = folder.Path("scene.json");
	WriteFile(scene,
	          "{\"objects\": [{\"name\": \"a\\u001b]0;pwned\\u0007b\", \"constraints\": [\"Position Cns\"]},\n"
	          " {\"name\": \"x\\nFAKE LINE\\u0000\", \"constraints\": [\"Pose Cns\"]},\n"
	          " {\"name\": \"rtl\\u202egpj_exe\", \"constraints\": [\"Pose Cns\"]}],\n"
	          " \"selection\": [\"a\\u001b]0;pwned\\u0007b\", \"x\\nFAKE LINE\\u0000\", \"rtl\\u202egpj_exe\"]}");
	ProgramResult text = RunHostProgram({"--scene", scene, "--page", "OK", "--trace"});
	ASSERT_EQ(text.exitStatus, 0) << text.err;
	for (const std::string& raw :
	     std::vector<std::string>{"\x1b", "\x07", std::string(1, '\0'), "\nFAKE LINE", "\xe2\x80\xae"}) {
		EXPECT_EQ(text.out.find(raw), std::string::npos) << OneLineForTest(raw) << " reached the terminal";
	}
	size_t calls = text.out.find("\nCalls the plug-in made (");
	ASSERT_NE(calls, std::string::npos);
	std::string trace = text.out.substr(calls);
	// One call, one line: target and arguments escaped alike.
	EXPECT_NE(
	    trace.find(
	        "\n  Application.ExecuteCommand DeleteObj [{\"ref\": \"a\\u001b]0;pwned\\u0007b.kine.Position Cns\"}]\n"),
	    std::string::npos)
	    << trace;
	EXPECT_NE(trace.find("\n  X3DObject.GetKinematics a\\u001b]0;pwned\\u0007b\n"), std::string::npos) << trace;
	EXPECT_NE(
	    trace.find("\n  Application.ExecuteCommand DeleteObj [{\"ref\": \"x\\nFAKE LINE\\u0000.kine.Pose Cns\"}]\n"),
	    std::string::npos)
	    << trace;
	EXPECT_NE(trace.find("\n  CBase.IsValid x\\nFAKE LINE\\u0000\n"), std::string::npos) << trace;
	EXPECT_NE(trace.find("\n  CBase.IsValid rtl\\u202egpj_exe\n"), std::string::npos) << trace;
	EXPECT_NE(text.out.find("\n  rtl\\u202egpj_exe\n    Constraint \"Pose Cns\"\n"), std::string::npos) << text.out;

	// Machine-read, the same calls keep their names as they are.
	json report = JsonRun({"--scene", scene, "--page", "OK", "--trace"});
	bool found = false;
	for (const json& call : report["calls"]) {
		found = found || call["target"] == std::string("x\nFAKE LINE") + '\0';
	}
	EXPECT_TRUE(found);

	ProgramResult unknown = RunHostProgram({"--scene", scene, "--select",
	                                        "rtl\xe2\x80\xae"
	                                        "gpj_exe,evil\x1b[2J"});
	EXPECT_EQ(unknown.exitStatus, 2);
	EXPECT_EQ(unknown.err, "quillmere-host: --select:13: no object is called \"evil\\x1b[2J\"\n");
	unknown = RunHostProgram({"--scene", scene, "--select",
	                          "\xe2\x80\xae"
	                          "evil"});
	EXPECT_EQ(unknown.err, "quillmere-host: --select:1: no object is called \"\\u202eevil\"\n");
}

} // namespace
