// The run in this process: what only the program's own output showed before
// (the report on a terminal, the phase times, which error each way a run
// ends throws) and what no output shows (the host as the run leaves it).
#include "run.h"

#include "base/program_errors.h"
#include "command_line.h"
#include "support/program_run.h"

#include "engine/current_host.h"
#include "engine/host.h"
#include "engine/plugin_host.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

namespace {

using quillmere_tests::ReadFile;
using quillmere_tests::TempFolder;
using quillmere_tests::WriteFile;

struct RunResult {
	int exitStatus = 0; // as the program would exit
	std::string error;  // the ProgramError's line, when one was thrown
	std::string report; // every byte the report sink was given
	std::string messages;
};

class RunInProcess : public ::testing::Test
{
protected:
	void SetUp() override { Clean(); }
	void TearDown() override { Clean(); }

	// The run with `args`, the Quillmere module loaded unless --plugin is given.
	RunResult Run(std::vector<std::string> args, bool onATerminal = false)
	{
		bool pluginGiven = false;
		for (const std::string& arg : args) {
			pluginGiven = pluginGiven || arg.rfind("--plugin", 0) == 0;
		}
		if (!pluginGiven) {
			args.insert(args.end(), {"--plugin", QUILLMERE_MODULE_PATH});
		}
		std::vector<const char*> argv = {"quillmere-host"};
		for (const std::string& arg : args) {
			argv.push_back(arg.c_str());
		}
		RunResult result;
		std::ostringstream messages;
		quillmere_host::RunOutput output;
		output.report = quillmere_host::OutputBuffer::Into(result.report);
		output.reportOnATerminal = [onATerminal] { return onATerminal; };
		output.messages = &messages;
		try {
			quillmere_host::Run(quillmere_host::ParseCommandLine(static_cast<int>(argv.size()), argv.data()), output);
		} catch (const quillmere_host::ProgramError& error) {
			result.error = error.what();
			result.exitStatus = error.ExitStatus();
		}
		result.messages = messages.str();
		// Each run leaves the host as it would end the program: no page
		// driver of a run that is over, its plug-ins still loaded.
		EXPECT_EQ(host.GetPageDriver(), nullptr) << "a driver the run destroyed is still the host's";
		Clean();
		return result;
	}

	void Clean()
	{
		host.Plugins().UnloadAll();
		host.Faults() = host_engine::HostFaults();
		host.ResetScene();
		host.Journal().Stop();
		host.Journal().Clear();
		host.Readings() = host_engine::HostReadings();
	}

	host_engine::Host& host = host_engine::CurrentHost();
};

TEST_F(RunInProcess, TheReport_AsTheProgramWritesIt_AScreenfulOnATerminal)
{
	RunResult json = Run({"--page", "OK", "--report", "json"});
	EXPECT_EQ(json.error, "");
	EXPECT_EQ(json.report, ReadFile(EXPECTED_DIR "/sample_rig_report.json"));
	EXPECT_EQ(json.messages, "");

	// Past a screenful of objects a terminal is told where the rest is; a
	// file gets them all.
	TempFolder folder;
	std::string rig = folder.Path("rig.json");
	std::string scene = "{\"objects\": [\n";
	for (int i = 0; i < 150; ++i) {
		scene += "  {\"name\": \"object" + std::to_string(i) + "\", \"constraints\": [\"Position Cns\"]},\n";
	}
	scene += "  {\"name\": \"last\"}], \"selection\": [\"object0\"";
	for (int i = 1; i < 150; ++i) {
		scene += ", \"object" + std::to_string(i) + "\"";
	}
	WriteFile(rig, scene + "]}\n");
	RunResult terminal = Run({"--scene", rig, "--page", "OK"}, true);
	EXPECT_NE(terminal.report.find("\n  object99\n    Constraint \"Position Cns\"\n  ... and 50 more objects, 50 more "
	                               "calls: --report json lists them all"),
	          std::string::npos)
	    << terminal.report;
	EXPECT_EQ(terminal.report.find("object100"), std::string::npos);
	RunResult file = Run({"--scene", rig, "--page", "OK"}, false);
	EXPECT_NE(file.report.find("\n  object149\n"), std::string::npos);
	EXPECT_EQ(file.report.find("more objects"), std::string::npos);
}

struct Ending {
	const char* what;
	std::vector<std::string> args; // "OUT" stands for the --out file
	int exitStatus;
	std::string error;    // the start of the error's line; empty: none thrown
	std::string messages; // every message; "OUT" stands for the --out file
	bool reported;        // the report was given
	bool written;         // the --out file was written
};

TEST_F(RunInProcess, EachWayARunEnds_TheErrorThrown_TheMessages_WhatWasWritten)
{
	const std::vector<Ending> cases = {
	    {"confirmed", {"--page", "OK"}, 0, "", "", true, true},
	    {"cancelled",
	     {"--page", "AllOff Cancel"},
	     0,
	     "",
	     "quillmere-host: the option page was cancelled; --out was not written\n",
	     true,
	     false},
	    {"a step the page lacks: nothing after it",
	     {"--page", "AllOff Bogus OK"},
	     2,
	     "--page:8: the page has no option or button called \"Bogus\"",
	     "",
	     false,
	     false},
	    {"a command that showed no page",
	     {"--plugin", PLUGIN_LOGS_WHILE_LOADING_PATH, "--page", "OK"},
	     0,
	     "",
	     "quillmere-host: the command showed no option page to confirm; --out was not written\n",
	     true,
	     false},
	    {"a command that failed: after its report",
	     {"--plugin", PLUGIN_COMMAND_FAILS_PATH, "--page", "OK"},
	     1,
	     "the Quillmere command failed (status ",
	     "",
	     true,
	     false},
	    // Its page is answered by its label's words, a tab between them.
	    {"a command that failed after its page was confirmed",
	     {"--plugin", PLUGIN_FAILS_AFTER_ITS_PAGE_PATH, "--page", "Keep Going=off OK"},
	     1,
	     "the Quillmere command failed (status ",
	     "",
	     true,
	     false},
	    {"a plug-in fault: the run ends where it stood, as the host would crash",
	     {"--plugin", PLUGIN_FAULTS_IN_COMMAND_PATH, "--page", "OK"},
	     1,
	     std::string(PLUGIN_FAULTS_IN_COMMAND_PATH) +
	         ": plug-in fault, where the host would crash: CRefArray::operator[]: index 13 is outside the 13 items "
	         "there are",
	     "",
	     false,
	     false},
	    {"a module without the command",
	     {"--plugin", TEST_PLUGIN_PATH, "--page", "OK"},
	     1,
	     std::string(TEST_PLUGIN_PATH) + ": the module does not provide the Quillmere command (no Quillmere_Execute)",
	     "",
	     false,
	     false},
	    {"--out naming the scene", {"--scene", "OUT", "--page", "OK"}, 2, "--out: ", "", false, false},
	};
	for (const Ending& ending : cases) {
		TempFolder folder;
		std::string out = folder.Path("out.json");
		std::vector<std::string> args = ending.args;
		bool outIsTheScene = false;
		for (std::string& arg : args) {
			if (arg == "OUT") {
				arg = out;
				outIsTheScene = true;
				quillmere_tests::WriteFile(out, ReadFile(QUILLMERE_SAMPLE_SCENE));
			}
		}
		args.insert(args.end(), {"--out", out});
		RunResult run = Run(args);
		EXPECT_EQ(run.exitStatus, ending.exitStatus) << ending.what << ": " << run.error;
		EXPECT_EQ(run.error.substr(0, ending.error.size()), ending.error) << ending.what;
		EXPECT_EQ(run.error.empty(), ending.error.empty()) << ending.what << ": " << run.error;
		EXPECT_EQ(run.messages, ending.messages) << ending.what;
		EXPECT_EQ(!run.report.empty(), ending.reported) << ending.what;
		if (ending.args[1] == PLUGIN_FAILS_AFTER_ITS_PAGE_PATH) {
			// Confirmed, with the answer taken: the failure came after the page.
			EXPECT_NE(run.report.find("(confirmed with OK)"), std::string::npos) << run.report;
			EXPECT_NE(run.report.find("[ ] Keep\\tGoing"), std::string::npos) << run.report;
		}
		if (outIsTheScene) {
			EXPECT_EQ(ReadFile(out), ReadFile(QUILLMERE_SAMPLE_SCENE)) << ending.what;
		} else {
			EXPECT_EQ(std::filesystem::exists(out), ending.written) << ending.what;
		}
	}
}

TEST_F(RunInProcess, AReportThatCannotBeWritten_IsTheRunsError_TheSceneFileAlreadyWritten)
{
	TempFolder folder;
	std::string out = folder.Path("out.json");
	quillmere_host::RunOutput output;
	output.report = [](const char*, size_t) { throw quillmere_host::OutputError("cannot write the report: test"); };
	std::ostringstream messages;
	output.messages = &messages;
	const char* argv[] = {"quillmere-host", "--page", "OK", "--plugin", QUILLMERE_MODULE_PATH, "--out", out.c_str()};
	try {
		quillmere_host::Run(quillmere_host::ParseCommandLine(7, argv), output);
		ADD_FAILURE() << "the report's failure was lost";
	} catch (const quillmere_host::OutputError& error) {
		EXPECT_STREQ(error.what(), "cannot write the report: test");
	}
	EXPECT_NE(ReadFile(out).find("\"objects\""), std::string::npos); // written before the report
	EXPECT_EQ(host.GetPageDriver(), nullptr);
	Clean();
}

// The kept list of the real command on the bundled rig: a DeleteObj the
// host refuses is said of its constraint, and after --undo the list is what
// the run left, though the deleted objects are back.
TEST_F(RunInProcess, KeptSection_ADeleteTheHostRefused_AndTheSameListAfterAnUndo)
{
	auto kept = [](const std::string& report) { return nlohmann::json::parse(report)["kept"]; };
	RunResult plain = Run({"--page", "OK", "--report", "json"});
	RunResult undone = Run({"--page", "OK", "--report", "json", "--undo"});
	ASSERT_EQ(plain.error, "");
	ASSERT_EQ(undone.error, "");
	EXPECT_EQ(kept(undone.report), kept(plain.report));
	EXPECT_EQ(nlohmann::json::parse(undone.report)["undo"]["restored"], true);

	host_engine::Host* engine = &host;
	host.Faults().failDelete = [engine](uint32_t slot) {
		return engine->Scene().Objects().Name(slot) == L"Direction Cns";
	};
	RunResult refused = Run({"--page", "OK", "--report", "json"});
	nlohmann::json report = nlohmann::json::parse(refused.report);
	EXPECT_EQ(report["failed_deletes"], 2);
	std::vector<std::string> failed;
	for (const nlohmann::json& item : report["kept"]) {
		if (item["reason"] == "delete-failed") {
			failed.push_back(item["owner"].get<std::string>() + ":" + item["name"].get<std::string>() + ":" +
			                 item["option"].get<std::string>());
		}
	}
	EXPECT_EQ(failed, (std::vector<std::string>{"arm_R:Direction Cns:Dir", "leg_L:Direction Cns:Dir"}));
	EXPECT_EQ(report["kept"].size(), kept(plain.report).size() + 2);
}

// --timings names every phase once, in the order --help lists them, and the
// page's time is taken out of the command's, not counted twice.
TEST_F(RunInProcess, Timings_EveryPhaseOnce_InTheOrderHelpLists_AddingUpToTheTotal)
{
	TempFolder folder;
	RunResult run = Run({"--page", "OK", "--timings", "--undo", "--out", folder.Path("out.json")});
	ASSERT_EQ(run.messages.rfind("timings: ", 0), 0u) << run.messages;
	ASSERT_EQ(run.messages.back(), '\n');
	nlohmann::ordered_json times = nlohmann::ordered_json::parse(run.messages.substr(9));
	std::vector<std::string> phases;
	double sum = 0;
	for (const auto& phase : times.items()) {
		phases.push_back(phase.key());
		EXPECT_GE(phase.value().get<double>(), 0) << phase.key();
		sum += phase.key() == "total" ? 0 : phase.value().get<double>();
	}
	EXPECT_EQ(phases, (std::vector<std::string>{"read", "build", "page", "command", "write", "report", "total"}));
	EXPECT_NEAR(sum, times["total"].get<double>(), 0.001); // each printed to 0.0001
	std::string help = quillmere_host::HelpText();
	size_t listed = help.find("each phase took (");
	ASSERT_NE(listed, std::string::npos) << help;
	std::string words = help.substr(listed + 17, help.find(')', listed) - listed - 17);
	std::vector<std::string> named(1);
	for (char c : words) {
		if (c == ',') {
			named.emplace_back();
		} else if (c != ' ' && c != '\n') {
			named.back() += c;
		}
	}
	EXPECT_EQ(named, phases) << words;
}

} // namespace
