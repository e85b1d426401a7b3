// quillmere-host from the outside: the option page answered with --page, on
// standard input, or cancelled, and what the command then does.
#include "quillmere_host/host_program_runs.h"

#include "engine/host_readings.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using nlohmann::json;
using namespace quillmere_tests;

TEST(HostProgram, PageSteps_ButtonsAndValuesReachThePage)
{
	json report = JsonRun({"--page", "AllOff Pos=on OK"});
	EXPECT_EQ(report["page"]["values"]["Pos"], true);
	EXPECT_EQ(report["page"]["values"]["Ori"], false);
	EXPECT_EQ(DeletedNames(report),
	          (std::vector<std::string>{"spine_eff:Position Cns", "arm_L:Position Cns", "leg_L:Position Cns",
	                                    "leg_R:Position Cns", "Scene_Root:QuillmereOption"}));

	// From all on, All Toggle leaves all off; then one switched back on.
	report = JsonRun({"--page", "AllToggle ChainUpVector=on OK", "--select", "spine1,sword"});
	EXPECT_EQ(DeletedNames(report),
	          (std::vector<std::string>{"spine1:SkeletonUpVectorOp", "Scene_Root:QuillmereOption"}));

	report = JsonRun({"--page", "AllOff AllOn Symmetry=off Distance=off OK", "--select", "sword"});
	EXPECT_EQ(DeletedNames(report), (std::vector<std::string>{"sword:ScalingCns", "Scene_Root:QuillmereOption"}));
	EXPECT_EQ(report["page"]["values"].size(), 8u);
}

TEST(HostProgram, PageSteps_OneVocabulary_NamesOrLabels_InAnyCase)
{
	// Names, labels, a label's words run together, flips and values in any case.
	json report = JsonRun({"--page", "alloff Position=ON pos ORI dir=on chainupvector POSE=On pose OK"});
	const json& values = report["page"]["values"];
	EXPECT_EQ(values["Pos"], false);
	EXPECT_EQ(values["Ori"], true);
	EXPECT_EQ(values["Dir"], true);
	EXPECT_EQ(values["Pose"], false);
	EXPECT_EQ(values["ChainUpVector"], true);
	EXPECT_EQ(values["Scaling"], false);
	report = JsonRun({"--page", "ALLOFF alltoggle AllON allOff Symmetry ok"});
	EXPECT_EQ(report["page"]["values"]["Symmetry"], true);
	EXPECT_EQ(report["page"]["values"]["Distance"], false);
	// Labels with their blanks, as the page shows them.
	report = JsonRun({"--page", "All OFF Chain Up Vector=on all toggle OK"});
	EXPECT_EQ(report["page"]["values"]["ChainUpVector"], false);
	EXPECT_EQ(report["page"]["values"]["Pos"], true);
}

// Standard input that is not a terminal carries the answers, read as the
// line prompt reads them; a line the page can't take is bad input, since no
// one is there to type it again.
TEST(HostProgram, AnswersOnStandardInput_ReadAsTheLinePromptReadsThem)
{
	struct Piped {
		std::string input;
		int exitStatus;
		bool confirmed;
		std::vector<bool> posAndOri; // Pos and Ori as the page closed
		std::string err;             // the start of standard error; empty: nothing
	};
	const std::string longLine(1 << 21, 'p');
	const std::vector<Piped> cases = {
	    {"alloff pos ok\n", 0, true, {true, false}, ""},
	    {"All OFF\n\nhelp\n  Position=on\r\nOK\r\nAllOn\n", 0, true, {true, false}, ""},
	    {"pos\nq\n", 0, false, {true, true}, ""},
	    {"alloff pos cancel\n", 0, false, {true, true}, ""},
	    {"alloff pos",
	     0,
	     false,
	     {true, true},
	     "quillmere-host: standard input ended before OK or Cancel: the option page was cancelled\n"},
	    // No answers at all is no confirmation either: a script that means OK says so.
	    {"",
	     0,
	     false,
	     {true, true},
	     "quillmere-host: standard input ended before OK or Cancel: the option page was cancelled (it gave no "
	     "answers; confirm with --page OK, or OK on standard input; see --help)\n"},
	    {"\n \nhelp\n", 0, false, {true, true}, "quillmere-host: standard input ended before OK or Cancel"},
	    {"alloff\n  pos=maybe ok\n", 2, false, {}, "quillmere-host: standard input:2:3: \"pos=maybe\": a parameter"},
	    {"alloff bogus ok\n",
	     2,
	     false,
	     {},
	     "quillmere-host: standard input:1:8: the page has no option or button called \"bogus\" (options: Pos "},
	    {"pos\n" + longLine + "\nok\n", 2, false, {}, "quillmere-host: standard input:2:1: a line longer than 1 MiB"},
	    // A byte order mark opening the input is passed over, and takes no
	    // column; a second one is text, shown escaped.
	    {"\xef\xbb\xbf"
	     "alloff pos ok\n",
	     0,
	     true,
	     {true, false},
	     ""},
	    {"\xef\xbb\xbf"
	     "alloff \xef\xbb\xbfok\n",
	     2,
	     false,
	     {},
	     "quillmere-host: standard input:1:8: the page has no option or button called \"\\ufeffok\" (options: "},
	};
	for (const Piped& piped : cases) {
		std::string shown = OneLineForTest(piped.input.substr(0, 40));
		ProgramResult run =
		    quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--report", "json", "--select", "arm_L"}, piped.input);
		EXPECT_EQ(run.exitStatus, piped.exitStatus) << shown << ": " << run.err;
		EXPECT_EQ(run.err.substr(0, piped.err.size()), piped.err) << shown;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), piped.err.empty() ? 0 : 1) << shown;
		if (piped.exitStatus != 0) {
			EXPECT_TRUE(run.out.empty()) << shown;
			continue;
		}
		json report = json::parse(run.out);
		EXPECT_EQ(report["page"]["confirmed"], piped.confirmed) << shown;
		EXPECT_EQ(report["page"]["values"]["Pos"], piped.posAndOri[0]) << shown;
		EXPECT_EQ(report["page"]["values"]["Ori"], piped.posAndOri[1]) << shown;
	}
	// Ending before OK with --out: still one line, saying both.
	TempFolder folder;
	ProgramResult ended = quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, {"--out", folder.Path("out.json")}, "pos\n");
	EXPECT_EQ(ended.exitStatus, 0) << ended.err;
	EXPECT_EQ(ended.err, "quillmere-host: standard input ended before OK or Cancel: the option page was cancelled; "
	                     "--out was not written\n");
	EXPECT_FALSE(std::filesystem::exists(folder.Path("out.json")));
}

TEST(HostProgram, Cancel_OnlyTheTemporaryPropertyGoes_ThePageShowsWhatItOpenedWith)
{
	json report = JsonRun({"--page", "AllOff Cancel"});
	EXPECT_EQ(report["page"]["confirmed"], false);
	EXPECT_EQ(report["page"]["values"]["Pos"], true); // the host drops a cancelled page's changes
	EXPECT_EQ(DeletedNames(report), std::vector<std::string>{"Scene_Root:QuillmereOption"});
	EXPECT_EQ(report["log"].size(), 0u);
	EXPECT_EQ(report["status"], 0);
	ProgramResult text = RunHostProgram({"--page", "AllOff Cancel"});
	EXPECT_NE(text.out.find("(cancelled):\n"), std::string::npos) << text.out;
	EXPECT_EQ(text.out.find("[ ]"), std::string::npos) << text.out;
}

TEST(HostProgram, NothingOrNo3DObjectsSelected_TheMessageIsLogged)
{
	for (const std::string& selection : {std::string(""), std::string("rig_controls")}) {
		json report = JsonRun({"--select", selection, "--page", "OK"});
		EXPECT_EQ(report["page"]["confirmed"], true);
		ASSERT_EQ(report["log"].size(), 1u) << selection;
		EXPECT_EQ(report["log"][0]["severity"], 8);
		EXPECT_EQ(report["log"][0]["message"], "Please select object(s).");
		EXPECT_EQ(DeletedNames(report), std::vector<std::string>{"Scene_Root:QuillmereOption"});
	}
	// The text report names the severity the JSON one numbers.
	ProgramResult text = RunHostProgram({"--select", "", "--page", "OK"});
	EXPECT_NE(text.out.find("\nLog:\n  info: Please select object(s).\n"), std::string::npos) << text.out;
}

// A user who meets a host that answers otherwise reproduces it here. The
// outcome is the same under every reading but the families: where chain
// elements or models are not 3D objects, selecting one does nothing.
TEST(HostProgram, UnderEachHostReading_TheSameDeletions_ButWhereTheFamilySaysOtherwise)
{
	TempFolder folder;
	std::string scene = folder.Path("rig.json");
	WriteFile(scene, R"({"objects": [
	  {"name": "hero", "class": "Model", "constraints": ["Pose Cns"], "children": [
	    {"name": "bone", "class": "ChainBone", "constraints": ["Position Cns"], "operators": ["SkeletonUpVectorOp"]}]},
	  {"name": "arm", "constraints": ["Direction Cns"]}],
	 "selection": ["hero", "bone", "arm"]})");
	const std::vector<std::string> model = {"hero:Pose Cns"};
	const std::vector<std::string> bone = {"bone:Position Cns", "bone:SkeletonUpVectorOp"};
	const std::vector<std::string> rest = {"arm:Direction Cns", "Scene_Root:QuillmereOption"};
	for (const host_engine::HostReadings& readings : host_engine::HostReadings::EachAlternative()) {
		SCOPED_TRACE(readings.Text());
		json run = JsonRun({"--scene", scene, "--page", "OK", "--reading", readings.Text()});
		EXPECT_EQ(run.contains("readings"), !readings.IsDefault());
		if (!readings.IsDefault()) {
			EXPECT_EQ(run["readings"], readings.Text());
		}
		std::vector<std::string> expected;
		if (readings.ModelsAre3DObjects()) {
			expected.insert(expected.end(), model.begin(), model.end());
		}
		if (readings.ChainElementsAre3DObjects()) {
			expected.insert(expected.end(), bone.begin(), bone.end());
		}
		expected.insert(expected.end(), rest.begin(), rest.end());
		EXPECT_EQ(DeletedNames(run), expected);
	}
	ProgramResult bad = RunHostProgram({"--reading", "chain-elements=maybe"});
	EXPECT_EQ(bad.exitStatus, 2);
	EXPECT_EQ(bad.err,
	          "quillmere-host: --reading: chain-elements: no alternative \"maybe\" (3d-objects or own-family)\n");
	ProgramResult help = RunHostProgram({"--help"});
	for (const host_engine::ReadingInfo& info : host_engine::kReadings) {
		EXPECT_NE(help.out.find(std::string("\n  ") + info.name + ": "), std::string::npos) << info.name;
	}
}

} // namespace
