// Where every message places what it is about: one rule for scene files,
// --page, --select and --reading, from the outside.
#include "support/program_run.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using quillmere_tests::ProgramResult;
using quillmere_tests::TempFolder;

struct PlaceCase {
	const char* what;
	std::string sceneText; // written to s.json and given as --scene when not empty
	std::vector<std::string> args;
	std::string message; // how the one line on standard error starts, after "quillmere-host: "
};

TEST(Places, OneRuleForEveryMessage)
{
	// Lines end at LF, CR or CRLF; columns count characters, a byte that is
	// not UTF-8 as one and the byte order mark as none.
	const std::vector<PlaceCase> cases = {
	    {"characters, not bytes",
	     "{\"objects\": [{\"name\": \"\xc3\xa9t\xc3\xa9\", \"class\": \"Mesh\"}]}",
	     {},
	     "s.json:1:39: unknown class \"Mesh\""},
	    {"a byte order mark takes no column",
	     "\xef\xbb\xbf{\"objects\": 7}",
	     {},
	     "s.json:1:13: \"objects\" must be an array"},
	    {"LF", "{\n\"objects\":\n7}", {}, "s.json:3:1: \"objects\" must be an array"},
	    {"CRLF", "{\r\n\"objects\":\r\n7}", {}, "s.json:3:1: \"objects\" must be an array"},
	    {"bare CR", "{\r\"objects\":\r7}", {}, "s.json:3:1: \"objects\" must be an array"},
	    {"LF then CR: two lines", "{\n\r\"objects\": 7}", {}, "s.json:3:12: \"objects\" must be an array"},
	    {"a line named in a message",
	     "{\"objects\": [{\"name\": \"a\"},\r{\"name\": \"a\"}]}",
	     {},
	     "s.json:2:10: duplicate object name \"a\" (first used at line 1)"},
	    {"a byte that is not UTF-8", "{\"selection\": [\"\xc3\xa9\xff\"]}", {}, "s.json:1:18: malformed JSON: "},
	    {"a root property",
	     "{\"selection\": [],\r \"root_properties\": [\"Nope\"]}",
	     {},
	     "s.json:2:22: root_properties/0: no loaded plug-in registers a property named \"Nope\""},
	    {"a selection naming an object twice",
	     "{\"objects\": [{\"name\": \"a\"}],\r\n \"selection\": [\"a\",\r \"a\"]}",
	     {},
	     "s.json:3:2: selection names \"a\" twice (first at line 2): a selection holds an object once"},
	    {"--page: characters, not bytes",
	     "",
	     {"--page", "\xc3\xa9=on Pos=maybe OK"},
	     "--page:6: step \"Pos=maybe\": a parameter is set to on or off"},
	    {"--page: a tab is one character",
	     "",
	     {"--page", "AllOff\tBogus OK"},
	     "--page:8: the page has no option or button called \"Bogus\""},
	    {"--page: a byte that is not UTF-8, quoted as everywhere else",
	     "",
	     {"--page", "AllOff Pos\xff OK"},
	     "--page:8: the page has no option or button called \"Pos\\xff\""},
	    {"--page: a byte that is not UTF-8 is one column",
	     "",
	     {"--page", "\xff=on Pos=maybe OK"},
	     "--page:6: step \"Pos=maybe\""},
	    {"--page: the end", "", {"--page", "\xc3\xa9 AllOn"}, "--page:8: the steps must end with OK or Cancel"},
	    {"--select: a name given twice",
	     "",
	     {"--select", "\xc3\xa9,arm_L,\xc3\xa9"},
	     "--select:9: \"\xc3\xa9\" is named twice (first at column 1): a selection holds an object once"},
	    {"--select: an unknown name",
	     "",
	     {"--select", "arm_L,\xc3\xa9t\xc3\xa9,nobody"},
	     "--select:7: no object is called \"\xc3\xa9t\xc3\xa9\""},
	    {"--select: an empty name",
	     "",
	     {"--select", "arm_L,,sword"},
	     "--select:7: an empty name (names are separated by one comma each)"},
	    {"--reading: defaults stands alone",
	     "",
	     {"--reading", "defaults,models=own-family"},
	     "--reading: \"defaults\" stands alone: it sets every reading to its default, so nothing goes with it"},
	};
	for (const PlaceCase& entry : cases) {
		TempFolder folder;
		quillmere_tests::ProgramLimits here;
		here.folder = folder.Path("");
		std::vector<std::string> args = entry.args;
		if (!entry.sceneText.empty()) {
			quillmere_tests::WriteFile(folder.Path("s.json"), entry.sceneText);
			args.insert(args.end(), {"--scene", "s.json"});
		}
		if (std::find(args.begin(), args.end(), "--page") == args.end()) {
			args.insert(args.end(), {"--page", "OK"});
		}
		ProgramResult run = quillmere_tests::RunProgram(QUILLMERE_HOST_PATH, args, "", here);
		EXPECT_EQ(run.exitStatus, 2) << entry.what << ": " << run.err;
		EXPECT_EQ(run.err.rfind("quillmere-host: " + entry.message, 0), 0u) << entry.what << ": " << run.err;
		EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << entry.what << ": " << run.err;
	}
}

} // namespace
