// Reading scene files: what is kept, and where errors point.
#include "program_errors.h"
#include "scene_reader.h"
#include "support/program_run.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::InputError;
using quillmere_host::ReadSceneText;
using quillmere_host::SceneDescription;

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
	  "selection": ["grp", "tip", "grp"],
	  "root_properties": ["QuillmereOption", "QuillmereOption"]
	})",
	                                       "s.json");
	ASSERT_EQ(scene.objects.size(), 2u);
	const quillmere_host::ObjectDescription& bone = scene.objects[0];
	EXPECT_EQ(bone.classId, XSI::siChainBoneID);
	ASSERT_EQ(bone.constraints.size(), 3u);
	EXPECT_EQ(bone.constraints[1].name, L"Pose Cns");
	EXPECT_TRUE(bone.constraints[1].type.empty());
	EXPECT_EQ(bone.constraints[2].type, L"Direction Cns");
	EXPECT_EQ(bone.operators, (std::vector<std::wstring>{L"B", L"A", L"B"}));
	EXPECT_EQ(bone.children[0].classId, XSI::siChainEffectorID);
	EXPECT_EQ(scene.objects[1].classId, XSI::siGroupID);
	EXPECT_EQ(scene.selection, (std::vector<std::wstring>{L"grp", L"tip", L"grp"}));
	EXPECT_EQ(scene.rootProperties.size(), 2u);
	EXPECT_EQ(ReadSceneText("{}", "s.json").objects.size(), 0u); // everything is optional
	EXPECT_EQ(ReadSceneText(R"({"objects": [{"name": "\u00e9t\u00e9"}]})", "s.json").objects[0].name, L"\u00e9t\u00e9");
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
	// Line 3 opens an object (its place: just after the brace) whose name
	// would come only after all its children.
	std::string text = "{\"objects\": [\n  {\"name\": \"first\"},\n  {\"class\": \"Model\", \"children\": [" +
	                   children + "\n  ]}\n]}\n";
	quillmere_tests::WriteFile(path, text);
	try {
		quillmere_host::ReadSceneBlueprint(path);
		ADD_FAILURE() << "an object without a name was read";
	} catch (const InputError& error) {
		EXPECT_EQ(std::string(error.what()).rfind(path + ":3:4: objects/1 has no \"name\"", 0), 0u) << error.what();
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
