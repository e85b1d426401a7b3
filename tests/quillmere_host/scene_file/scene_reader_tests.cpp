// Reading scene files: what is kept, and where errors point.
#include "base/program_errors.h"
#include "scene_file/scene_reader.h"
#include "support/program_run.h"
#include "support/scene_description.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::InputError;
using quillmere_tests::ReadSceneText;
using quillmere_tests::SceneDescription;

std::string ErrorOf(const std::string& text)
{
	try {
		ReadSceneText(text, "s.json");
	} catch (const InputError& error) {
		return error.what();
	}
	return "";
}

TEST(SceneReader, KeepsOrderRepeatsTypesAndNesting)
{
	SceneDescription scene = ReadSceneText(R"({
	  "objects": [
	    {"name": "bone", "class": "ChainBone", "constraints": ["Pose Cns", "Pose Cns", {"name": "aim", "type": "Direction Cns"}],
	     "operators": ["B", "A", "B"], "children": [{"name": "tip", "class": "ChainEffector"}]},
	    {"name": "grp", "class": "Group"}
	  ],
	  "selection": ["tip", "grp"],
	  "root_properties": ["QuillmereOption", "QuillmereOption"]
	})",
	                                       "s.json");
	ASSERT_EQ(scene.objects.size(), 2u);
	const quillmere_tests::ObjectDescription& bone = scene.objects[0];
	EXPECT_EQ(bone.classId, XSI::siChainBoneID);
	ASSERT_EQ(bone.constraints.size(), 3u);
	EXPECT_EQ(bone.constraints[1].name, L"Pose Cns");
	EXPECT_TRUE(bone.constraints[1].type.empty());
	EXPECT_EQ(bone.constraints[2].type, L"Direction Cns");
	EXPECT_EQ(bone.operators, (std::vector<std::wstring>{L"B", L"A", L"B"}));
	EXPECT_EQ(bone.children[0].classId, XSI::siChainEffectorID);
	EXPECT_EQ(scene.objects[1].classId, XSI::siGroupID);
	EXPECT_EQ(scene.selection, (std::vector<std::wstring>{L"tip", L"grp"}));
	EXPECT_EQ(scene.rootProperties.size(), 2u);
	EXPECT_EQ(ReadSceneText("{}", "s.json").objects.size(), 0u); // everything is optional
	EXPECT_EQ(ReadSceneText(R"({"objects": [{"name": "\u00e9t\u00e9"}]})", "s.json").objects[0].name, L"\u00e9t\u00e9");
}

// The message's "s.json:LINE:COLUMN: " and the rest, for checking both.
std::pair<std::string, std::string> PlaceAndWhat(const std::string& text)
{
	std::string error = ErrorOf(text);
	size_t space = error.find(": ");
	return {error.substr(0, space), space == std::string::npos ? "" : error.substr(space + 2)};
}

TEST(SceneReader, ErrorsPointAtTheLineOfTheOffendingValue)
{
	EXPECT_EQ(ErrorOf("{\"objects\": [\n{\"name\": \"a\"},\n{\"name\": \"a\"}]}").rfind("s.json:3:", 0), 0u);
	EXPECT_EQ(ErrorOf("{\"objects\": [\n\n  {\"name\": \"a\", \"class\": 5}]}").rfind("s.json:3:", 0), 0u);
	EXPECT_EQ(ErrorOf("{\"selection\": [\n\"x\"]}").rfind("s.json:2:", 0), 0u);
	EXPECT_EQ(ErrorOf("\n\n   {").rfind("s.json:3:", 0), 0u);
	EXPECT_NE(ErrorOf("[]").find("must be a JSON object"), std::string::npos);
	EXPECT_NE(ErrorOf(R"({"objects": [{"name": "g", "class": "Group", "children": []}]})").find("Group"),
	          std::string::npos);
	EXPECT_NE(ErrorOf(R"({"objects": [{"name": "a.b"}]})").find("'.'"), std::string::npos);
	EXPECT_NE(ErrorOf(R"({"objects": [{"class": "Model"}]})").find("has no \"name\""), std::string::npos);
	EXPECT_NE(ErrorOf(R"({"objects": [{"name": "a", "constraints": [{"type": "x"}]}]})").find("has no \"name\""),
	          std::string::npos);
}

TEST(SceneReader, ErrorsPointAtTheValuesFirstCharacter_ColumnsCountCharacters)
{
	// A number ending a line is placed where it stands, not where the parser
	// noticed it had ended (the next line).
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [{\"name\": \"a\", \"class\": 7\n}]}").first, "s.json:1:37");
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [{\"name\": \"a\", \"class\": -12.5e3}]}").first, "s.json:1:37");
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [{\"name\": \"a\", \"class\": true}]}").first, "s.json:1:37");
	// Strings, brackets and keys at their first character, in characters:
	// "\xc3\xa9t\xc3\xa9" is three, in five bytes.
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [{\"name\": \"\xc3\xa9t\xc3\xa9\", \"class\": \"Mesh\"}]}").first,
	          "s.json:1:39");
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [{\"name\": \"\xc3\xa9t\xc3\xa9\", \"class\": {}}]}").first, "s.json:1:39");
	// An escape is as many characters as the file spells it with.
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [{\"name\": \"\\u00e9t\", \"class\": {}}]}").first, "s.json:1:43");
	EXPECT_EQ(PlaceAndWhat("{\"objects\":\r\n\t[  7]}").first, "s.json:2:5");
	EXPECT_EQ(PlaceAndWhat("{\"selection\": [\"a\"],\n  \"selektion\": []}"),
	          std::make_pair(std::string("s.json:2:3"), std::string("unknown key \"selektion\" in the scene")));
	// A syntax error is placed at the token that should not be there, or at
	// the character the parser could make nothing of.
	EXPECT_EQ(PlaceAndWhat("{\"selection\": [\"\xc3\xa9\" \"b\"]}").first, "s.json:1:20");
	EXPECT_EQ(PlaceAndWhat("{\"objects\": : []}").first, "s.json:1:13");
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [\u00e9]}").first, "s.json:1:14");
	EXPECT_EQ(PlaceAndWhat("{\"selection\": [\"\xc3\xa9\xff\"]}").first, "s.json:1:18");
	EXPECT_EQ(PlaceAndWhat("{\"objects\": []\n").first, "s.json:2:1"); // the end of the file
}

TEST(SceneReader, MessagesQuoteAtMostAShortExcerptOfTheInput)
{
	const std::string longKey(500000, 'k');
	const std::string cases[] = {
	    "{\"" + longKey + "\": 1}",                                       // an unknown key
	    "{\"objects\": [{\"name\": \"" + longKey,                         // a string that never closes
	    "{\"objects\": [{\"name\": 1" + std::string(500000, '0') + "}]}", // a number too large
	    "{\"objects\": [{\"name\": \"a\", \"class\": \"" + longKey + "\"}]}",
	    "{\"objects\": [{\"name\": \"" + longKey + ".\"}]}",
	    "{\"selection\": [\"" + longKey + "\"]}",
	};
	for (const std::string& text : cases) {
		std::string error = ErrorOf(text);
		EXPECT_LT(error.size(), 400u) << error.substr(0, 400);
		EXPECT_NE(error.find("\xe2\x80\xa6"), std::string::npos) << error.substr(0, 400); // the ellipsis
		EXPECT_NE(error.find(" characters)"), std::string::npos) << error.substr(0, 400);
	}
	EXPECT_NE(ErrorOf(cases[0]).find("unknown key \"" + std::string(149, 'k') + "\xe2\x80\xa6" + std::string(50, 'k') +
	                                 "\" (500000 characters) in the scene"),
	          std::string::npos);
	// A second byte order mark is text the parser quotes: escaped, not
	// shown as nothing.
	std::string doubled = ErrorOf("\xef\xbb\xbf\xef\xbb\xbf{}");
	EXPECT_EQ(doubled.rfind("s.json:1:1: malformed JSON: ", 0), 0u) << doubled;
	EXPECT_NE(doubled.find("\\ufeff"), std::string::npos) << doubled;
	EXPECT_EQ(doubled.find("\xef\xbb\xbf"), std::string::npos) << doubled;
}

// Objects nested `depth` levels deep, the innermost named "deepest".
std::string NestedScene(int depth)
{
	std::string nested;
	for (int level = 1; level <= depth; ++level) {
		nested += "{\"name\": \"" + (level == depth ? std::string("deepest") : "n" + std::to_string(level)) +
		          "\", \"children\": [";
	}
	for (int level = 1; level <= depth; ++level) {
		nested += "]}";
	}
	return "{\"objects\": [" + nested + "], \"selection\": [\"deepest\"]}";
}

struct GrammarCase {
	const char* what;
	std::string text;
	std::string error; // "s.json:LINE:COLUMN: what"; empty: read, selecting `selection`
	std::vector<std::wstring> selection;
};

TEST(SceneReader, Grammar_WhatIsReadAndWhereWhatIsNotIsPlaced)
{
	const std::vector<GrammarCase> cases = {
	    // The input is read to its end before the selection is matched up.
	    {"a NUL byte after a selection of no object",
	     std::string("{\"selection\": [\"x\"]}\0", 21),
	     "s.json:1:21: a NUL byte (a scene file is UTF-8 text)",
	     {}},
	    {"a selection before the objects it names",
	     "{\"selection\": [\"b\", \"a\"], \"objects\": [{\"name\": \"a\"}, {\"name\": \"b\"}]}",
	     "",
	     {L"b", L"a"}},
	    {"a selection naming an object twice, before it",
	     "{\"selection\": [\"a\",\n \"a\"], \"objects\": [{\"name\": \"a\"}]}",
	     "s.json:2:2: selection names \"a\" twice (first at line 1): a selection holds an object once",
	     {}},
	    {"a key repeated with another between",
	     "{\"objects\": [{\"name\": \"a\", \"class\": \"Model\", \"name\": \"b\"}]}",
	     "s.json:1:46: key \"name\" appears twice in one object",
	     {}},
	    {"a scene key repeated with another between",
	     "{\"selection\": [], \"objects\": [], \"selection\": []}",
	     "s.json:1:34: key \"selection\" appears twice in one object",
	     {}},
	    {"\"objects\" inside an object",
	     "{\"objects\": [{\"name\": \"a\", \"objects\": []}]}",
	     "s.json:1:28: unknown key \"objects\" in objects/0",
	     {}},
	    {"\"name\" at the top", "{\"name\": \"a\"}", "s.json:1:2: unknown key \"name\" in the scene", {}},
	    {"\"class\" in a constraint",
	     "{\"objects\": [{\"name\": \"a\", \"constraints\": [{\"name\": \"c\", \"class\": \"X\"}]}]}",
	     "s.json:1:58: unknown key \"class\" in objects/0/constraints/0",
	     {}},
	    // --select separates names with commas and full names use dots: a
	    // name holding either could never be selected or found.
	    {"a comma in a name",
	     "{\"objects\": [{\"name\": \"a,b\"}]}",
	     "s.json:1:23: object name \"a,b\" contains '.' or ','",
	     {}},
	    {"a dot in a name",
	     "{\"objects\": [{\"name\": \"a.b\"}]}",
	     "s.json:1:23: object name \"a.b\" contains '.' or ','",
	     {}},
	    {"nested exactly as deep as allowed", NestedScene(quillmere_host::kMaxObjectDepth), "", {L"deepest"}},
	    {"nested a level deeper",
	     NestedScene(quillmere_host::kMaxObjectDepth + 1),
	     "s.json:1:" +
	         std::to_string(NestedScene(quillmere_host::kMaxObjectDepth + 1).find("{\"name\": \"deepest\"") + 1) +
	         ": objects nest deeper than 256 levels",
	     {}},
	    {"a Group's class after its constraints: placed at the constraints",
	     "{\"objects\": [{\"name\": \"g\",\n \"constraints\": [],\n \"class\": \"Group\"}]}",
	     "s.json:2:17: a Group has no kinematics, so no constraints",
	     {}},
	    {"a Group's class before its constraints",
	     "{\"objects\": [{\"name\": \"g\", \"class\": \"Group\",\n \"constraints\": []}]}",
	     "s.json:2:17: a Group has no kinematics, so no constraints",
	     {}},
	    {"a Group's class after its children",
	     "{\"objects\": [{\"name\": \"g\",\n \"children\": [],\n \"class\": \"Group\"}]}",
	     "s.json:2:14: a Group cannot have children",
	     {}},
	};
	for (const GrammarCase& entry : cases) {
		if (entry.error.empty()) {
			try {
				EXPECT_EQ(ReadSceneText(entry.text, "s.json").selection, entry.selection) << entry.what;
			} catch (const InputError& error) {
				ADD_FAILURE() << entry.what << ": " << error.what();
			}
		} else {
			EXPECT_EQ(ErrorOf(entry.text), entry.error) << entry.what;
		}
	}
}

TEST(SceneReader, DeepNestingIsRefusedAtTheLimit)
{
	std::string nested;
	for (int depth = 0; depth < quillmere_host::kMaxObjectDepth + 1; ++depth) {
		nested += "{\"name\": \"n" + std::to_string(depth) + "\", \"children\": [";
	}
	nested += "]";
	for (int depth = 0; depth < quillmere_host::kMaxObjectDepth; ++depth) {
		nested += "}]";
	}
	nested += "}";
	EXPECT_NE(ErrorOf("{\"objects\": [" + nested + "]}").find("nest deeper"), std::string::npos);
}

// Errors placed at what was read long before they were found: objects and
// names whose bytes the reader has already let go of.
TEST(SceneReader, PlacesStayRightAcrossTheReadersChunks)
{
	quillmere_tests::TempFolder folder;
	std::string path = folder.Path("big.json");
	std::string children;
	for (int i = 0; i < 10000; ++i) {
		children += "\n    {\"name\": \"child" + std::to_string(i) + "\", \"operators\": [\"SkeletonJointOp\"]},";
	}
	children.pop_back();
	// Line 3 opens an object (its place: its brace) whose name
	// would come only after all its children.
	std::string text = "{\"objects\": [\n  {\"name\": \"first\"},\n  {\"class\": \"Model\", \"children\": [" +
	                   children + "\n  ]}\n]}\n";
	quillmere_tests::WriteFile(path, text);
	try {
		quillmere_host::ReadSceneBlueprint(path);
		ADD_FAILURE() << "an object without a name was read";
	} catch (const InputError& error) {
		EXPECT_EQ(std::string(error.what()).rfind(path + ":3:3: objects/1 has no \"name\"", 0), 0u) << error.what();
	}

	// A name used again far down the file names the line it was first used on.
	text = "{\"objects\": [\n  {\"name\": \"first\"},\n  {\"name\": \"m\", \"class\": \"Model\", \"children\": [" +
	       children + ",\n    {\"name\": \"first\"}\n  ]}\n]}\n";
	quillmere_tests::WriteFile(path, text);
	try {
		quillmere_host::ReadSceneBlueprint(path);
		ADD_FAILURE() << "a duplicate name was read";
	} catch (const InputError& error) {
		EXPECT_NE(std::string(error.what()).find(":10004:"), std::string::npos) << error.what();
		EXPECT_NE(std::string(error.what()).find("(first used at line 2)"), std::string::npos) << error.what();
	}
}

} // namespace
