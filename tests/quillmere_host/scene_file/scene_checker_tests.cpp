// The scene file's grammar: every value it refuses, with the message and
// place a user is shown, and what it keeps of a scene it accepts.
#include "scene_file/scene_checker.h"

#include "base/program_errors.h"
#include "scene_file/scene_format.h"
#include "scene_file/scene_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using quillmere_host::InputError;
using quillmere_host::ReadSceneBlueprintText;
using quillmere_host::SceneBlueprint;

std::string ErrorOf(const std::string& text)
{
	try {
		ReadSceneBlueprintText(text, "s.json");
	} catch (const InputError& error) {
		return error.what();
	}
	return "";
}

// One object named "a", whose members are `members`.
std::string ObjectWith(const std::string& members)
{
	return "{\"objects\": [{\"name\": \"a\", " + members + "}]}";
}

struct Refusal {
	const char* what;
	std::string text;
	std::string error;
};

// Each refusal the grammar makes. The offending value starts a line where
// it can, so that its place reads at a glance.
TEST(SceneChecker, EachRefusal_SaysWhatIsWrongAndWhere)
{
	const std::vector<Refusal> cases = {
	    {"a scene that is an array", "[]", "s.json:1:1: the scene must be a JSON object"},
	    {"a scene that is a string", "\n  \"objects\"", "s.json:2:3: the scene must be a JSON object"},
	    // The scene's arrays and an object's arrays.
	    {"objects as an object", "{\"objects\":\n{}}", "s.json:2:1: \"objects\" must be an array"},
	    {"selection as a string", "{\"selection\":\n\"a\"}", "s.json:2:1: \"selection\" must be an array"},
	    {"root_properties as null", "{\"root_properties\":\nnull}", "s.json:2:1: \"root_properties\" must be an array"},
	    {"constraints as a string", ObjectWith("\"constraints\":\n\"Pose Cns\""),
	     "s.json:2:1: \"constraints\" must be an array"},
	    {"operators as a number", ObjectWith("\"operators\":\n1"), "s.json:2:1: \"operators\" must be an array"},
	    {"children as an object", ObjectWith("\"children\":\n{}"), "s.json:2:1: \"children\" must be an array"},
	    // Elements, named by their path in the file.
	    {"an object that is a string", "{\"objects\": [{\"name\": \"a\"},\n\"b\"]}",
	     "s.json:2:1: objects/1 must be an object"},
	    {"a child that is a number", ObjectWith("\"children\": [{\"name\": \"b\"},\n7]"),
	     "s.json:2:1: objects/0/children/1 must be an object"},
	    {"a constraint that is a number", ObjectWith("\"constraints\": [\"Pose Cns\",\n7]"),
	     "s.json:2:1: objects/0/constraints/1 must be a name or {\"name\": ..., \"type\": ...}"},
	    {"an operator that is an object", ObjectWith("\"operators\": [\"A\",\n{}]"),
	     "s.json:2:1: objects/0/operators/1 must be a string"},
	    {"a grandchild's operator that is an array",
	     ObjectWith("\"children\": [{\"name\": \"b\", \"children\": [{\"name\": \"c\", \"operators\": [\n[]]}]}]"),
	     "s.json:2:1: objects/0/children/0/children/0/operators/0 must be a string"},
	    {"a selected name that is a number", "{\"selection\": [\n1]}", "s.json:2:1: selection/0 must be a string"},
	    {"a root property that is true", "{\"root_properties\": [\"A\",\ntrue]}",
	     "s.json:2:1: root_properties/1 must be a string"},
	    // Values of an object's or a constraint's keys.
	    {"a name that is a number", "{\"objects\": [{\"name\":\n7}]}", "s.json:2:1: \"name\" must be a string"},
	    {"a class that is null", ObjectWith("\"class\":\nnull"), "s.json:2:1: \"class\" must be a string"},
	    {"a constraint's name that is an array", ObjectWith("\"constraints\": [{\"name\":\n[]}]"),
	     "s.json:2:1: \"name\" must be a string"},
	    {"a constraint's type that is a number", ObjectWith("\"constraints\": [{\"name\": \"c\", \"type\":\n3}]"),
	     "s.json:2:1: \"type\" must be a string"},
	    // Names.
	    {"an empty object name", "{\"objects\": [{\"name\":\n\"\"}]}",
	     "s.json:2:1: an object's name must not be empty"},
	    {"the scene root's name", "{\"objects\": [{\"name\":\n\"Scene_Root\"}]}",
	     "s.json:2:1: \"Scene_Root\" is the scene root's own name"},
	    {"a child named as a top object", ObjectWith("\"children\": [\n{\"name\": \"b\"}, {\"name\": \"a\"}]"),
	     "s.json:2:25: duplicate object name \"a\" (first used at line 1)"},
	    {"names are told apart by case and blanks only",
	     "{\"objects\": [{\"name\": \"a\"}, {\"name\": \"A\"}, {\"name\": \"a \"},\n{\"name\": \"A\"}]}",
	     "s.json:2:10: duplicate object name \"A\" (first used at line 1)"},
	    {"an empty root property", "{\"root_properties\": [\n\"\"]}", "s.json:2:1: a root property needs a name"},
	    // Classes, and what a Group may not hold, in either order.
	    {"a class in lower case", ObjectWith("\"class\":\n\"model\""),
	     "s.json:2:1: unknown class \"model\" (expected " + quillmere_host::SceneClassList() + ")"},
	    {"a Group's children after its class", ObjectWith("\"class\": \"Group\",\n\"children\": []"),
	     "s.json:2:13: a Group cannot have children"},
	    {"a Group's empty constraints before its class", ObjectWith("\"constraints\": [],\n\"class\": \"Group\""),
	     "s.json:1:43: a Group has no kinematics, so no constraints"},
	    // Keys, each once and only where it belongs.
	    {"a parent key in an object", ObjectWith("\n\"parent\": \"b\""),
	     "s.json:2:1: unknown key \"parent\" in objects/0"},
	    {"a class in a child's constraint",
	     ObjectWith("\"children\": [{\"name\": \"b\", \"constraints\": [{\"name\": \"c\",\n\"class\": \"X\"}]}]"),
	     "s.json:2:1: unknown key \"class\" in objects/0/children/0/constraints/0"},
	    {"a constraint's type twice",
	     ObjectWith("\"constraints\": [{\"type\": \"x\", \"name\": \"c\",\n\"type\": \"y\"}]"),
	     "s.json:2:1: key \"type\" appears twice in one object"},
	    {"keys are spelled exactly", "{\n\"Objects\": []}", "s.json:2:1: unknown key \"Objects\" in the scene"},
	    // What is missing, placed at the object's opening brace.
	    {"a child with no name", ObjectWith("\"children\": [\n{\"class\": \"Model\"}]"),
	     "s.json:2:1: objects/0/children/0 has no \"name\""},
	    {"a constraint with only a type", ObjectWith("\"constraints\": [\"Pose Cns\",\n{\"type\": \"Pose Cns\"}]"),
	     "s.json:2:1: objects/0/constraints/1 has no \"name\""},
	    // The selection, matched up once the whole file is read.
	    {"a selected name no object has", "{\"objects\": [{\"name\": \"a\"}],\n\"selection\": [\"a\", \"b\"]}",
	     "s.json:2:20: selection names \"b\", which no object in the file is called"},
	    {"a selected constraint's name",
	     "{\"objects\": [{\"name\": \"a\", \"constraints\": [\"c\"]}],\n\"selection\": [\"c\"]}",
	     "s.json:2:15: selection names \"c\", which no object in the file is called"},
	    {"the scene root selected", "{\"selection\": [\"Scene_Root\"]}",
	     "s.json:1:16: selection names \"Scene_Root\", which no object in the file is called"},
	    {"of two unknown names, the first", "{\"selection\": [\"x\",\n\"y\"], \"objects\": [{\"name\": \"y2\"}]}",
	     "s.json:1:16: selection names \"x\", which no object in the file is called"},
	};
	for (const Refusal& entry : cases) {
		EXPECT_EQ(ErrorOf(entry.text), entry.error) << entry.what << ": " << entry.text;
	}
}

// What is kept: objects with their parents before their children,
// constraints and operators in file order whichever way each is written,
// the selection as objects, a name selected before its object included,
// and the root properties with their places.
TEST(SceneChecker, WhatIsKept_InFileOrder)
{
	SceneBlueprint scene = ReadSceneBlueprintText(
	    "{\"selection\": [\"tip\", \"Pose Cns\"],\n"
	    " \"objects\": [\n"
	    "  {\"name\": \"bone\", \"class\": \"ChainBone\",\n"
	    "   \"constraints\": [\"A\", {\"type\": \"Direction Cns\", \"name\": \"B\"}, \"C\", {\"name\": \"D\"}],\n"
	    "   \"operators\": [\"Op2\", \"Op1\", \"Op2\"],\n"
	    "   \"children\": [{\"name\": \"tip\", \"class\": \"ChainEffector\"}]},\n"
	    "  {\"name\": \"Pose Cns\", \"class\": \"Group\", \"operators\": [\"GroupOp\"]}],\n"
	    " \"root_properties\": [\"P\",\n  \"P\"]}",
	    "s.json");
	ASSERT_EQ(scene.objects.size(), 3u);
	EXPECT_EQ(scene.NameOf(0), "bone");
	EXPECT_EQ(scene.objects[0].parent, SceneBlueprint::kNone);
	EXPECT_EQ(scene.objects[0].classId, XSI::siChainBoneID);
	EXPECT_EQ(scene.NameOf(1), "tip");
	EXPECT_EQ(scene.objects[1].parent, 0u);
	EXPECT_EQ(scene.objects[1].classId, XSI::siChainEffectorID);
	EXPECT_EQ(scene.NameOf(2), "Pose Cns");
	EXPECT_EQ(scene.objects[2].parent, SceneBlueprint::kNone);
	EXPECT_EQ(scene.objects[2].classId, XSI::siGroupID);

	std::vector<std::string> constraints;
	for (const SceneBlueprint::Constraint& constraint : scene.constraints) {
		EXPECT_EQ(constraint.owner, 0u);
		constraints.push_back(std::string(scene.texts.Text(constraint.name)) + "/" +
		                      std::string(scene.texts.Text(constraint.type)));
	}
	EXPECT_EQ(constraints, (std::vector<std::string>{"A/", "B/Direction Cns", "C/", "D/"}));

	std::vector<std::string> operators;
	for (const SceneBlueprint::Operator& op : scene.operators) {
		operators.push_back(std::to_string(op.owner) + ":" + std::string(scene.texts.Text(op.name)));
	}
	EXPECT_EQ(operators, (std::vector<std::string>{"0:Op2", "0:Op1", "0:Op2", "2:GroupOp"}));

	EXPECT_EQ(scene.selection, (std::vector<uint32_t>{1, 2}));
	EXPECT_EQ(scene.FindObject("tip"), 1u);
	EXPECT_EQ(scene.FindObject("Op1"), SceneBlueprint::kNone);

	ASSERT_EQ(scene.rootProperties.size(), 2u);
	EXPECT_EQ(scene.texts.Text(scene.rootProperties[1]), "P");
	ASSERT_EQ(scene.rootPropertyPlaces.size(), 2u);
	EXPECT_EQ(scene.rootPropertyPlaces[0].line, 8u);
	EXPECT_EQ(scene.rootPropertyPlaces[1].line, 9u);
	EXPECT_EQ(scene.rootPropertyPlaces[1].column, 3u);

	// Every key is optional, and an empty scene is a scene.
	SceneBlueprint empty =
	    ReadSceneBlueprintText("{\"objects\": [], \"selection\": [], \"root_properties\": []}", "s.json");
	EXPECT_TRUE(empty.objects.empty());
	EXPECT_TRUE(empty.selection.empty());
	EXPECT_TRUE(ReadSceneBlueprintText("{}", "s.json").objects.empty());
}

} // namespace
