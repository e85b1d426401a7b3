// The scene file's vocabulary: class names and keys, as the reader takes
// them and the writer writes them.
#include "scene_file/scene_building.h"
#include "scene_file/scene_format.h"
#include "scene_file/scene_reader.h"
#include "scene_file/scene_writer.h"
#include "support/scene_description.h"

#include "engine/class_info.h"
#include "engine/current_host.h"
#include "engine/host.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using namespace quillmere_host;
using quillmere_tests::DescribeScene;
using quillmere_tests::ObjectDescription;
using quillmere_tests::ReadSceneText;
using quillmere_tests::SceneDescription;

const XSI::siClassID kFileClasses[] = {XSI::siX3DObjectID, XSI::siModelID,         XSI::siChainRootID,
                                       XSI::siChainBoneID, XSI::siChainEffectorID, XSI::siGroupID};

TEST(SceneFormat, ClassNames_BothWaysAgree_AndAreTheHostsOwn)
{
	for (XSI::siClassID classId : kFileClasses) {
		const char* name = SceneClassName(classId);
		ASSERT_NE(name, nullptr) << classId;
		EXPECT_EQ(SceneClassFromName(name), classId) << name;
		// What GetClassIDName answers for the class, so a user recognises it.
		const wchar_t* hostName = host_engine::ClassIdName(classId);
		EXPECT_EQ(std::string(name), std::string(hostName, hostName + std::char_traits<wchar_t>::length(hostName)));
		EXPECT_NE(SceneClassList().find(name), std::string::npos) << name;
	}
	EXPECT_EQ(SceneClassList(), "X3DObject, Model, ChainRoot, ChainBone, ChainEffector or Group");
	// A class a file cannot hold has no file name, and near misses name none.
	for (XSI::siClassID other : {XSI::siNullID, XSI::siChainElementID, XSI::siConstraintID, XSI::siUnknownClassID}) {
		EXPECT_EQ(SceneClassName(other), nullptr) << other;
	}
	for (const char* notAClass : {"", "model", "Null", "ChainElement", "Group ", "X3DObjectX"}) {
		EXPECT_EQ(SceneClassFromName(notAClass), XSI::siUnknownClassID) << notAClass;
	}
}

TEST(SceneFormat, Keys_EachSpelledOnce_FoundOnlyWhereAllowed)
{
	const SceneKey keys[] = {kObjectsKey,     kSelectionKey, kRootPropertiesKey, kNameKey, kClassKey,
	                         kConstraintsKey, kOperatorsKey, kChildrenKey,       kTypeKey};
	uint16_t every = 0;
	for (SceneKey key : keys) {
		EXPECT_EQ((every & key), 0) << SceneKeyText(key) << " shares a bit";
		every = static_cast<uint16_t>(every | key);
		ASSERT_FALSE(SceneKeyText(key).empty());
		EXPECT_EQ(SceneKeyNamed(SceneKeyText(key), key), key);
		EXPECT_EQ(SceneKeyNamed(SceneKeyText(key), static_cast<uint16_t>(~key)), kNoKey) << SceneKeyText(key);
	}
	EXPECT_EQ(SceneKeyText(kNoKey), "");
	for (const char* notAKey : {"", "Name", "nam", "names", "root properties", "child"}) {
		EXPECT_EQ(SceneKeyNamed(notAKey, every), kNoKey) << notAKey;
	}
}

// Every class and key the writer writes, the reader takes back as it was.
TEST(SceneFormat, EveryClassAndKey_RoundTripsThroughWriterAndReader)
{
	std::string objects;
	for (XSI::siClassID classId : kFileClasses) {
		std::string name = std::string("o") + SceneClassName(classId);
		objects +=
		    (objects.empty() ? "" : ", ") + std::string("{\"name\": \"") + name + "\", \"class\": \"" +
		    SceneClassName(classId) + "\"" +
		    (classId == XSI::siGroupID
		         ? std::string()
		         : ", \"constraints\": [\"c\", {\"name\": \"d\", \"type\": \"Pose Cns\"}], \"children\": [{\"name\": "
		           "\"k" +
		               name + "\"}]") +
		    ", \"operators\": [\"Op\"]}";
	}
	std::string text = "{\"objects\": [" + objects + "], \"selection\": [\"oModel\"], \"root_properties\": []}";
	SceneBlueprint read = ReadSceneBlueprintText(text, "s.json");

	host_engine::Host& host = host_engine::CurrentHost();
	BuildScene(read, host, "s.json");
	std::string written = SceneToJson(host);
	SceneDescription again = ReadSceneText(written, "written.json");
	SceneDescription first = DescribeScene(read);
	ASSERT_EQ(again.objects.size(), first.objects.size()) << written;
	for (size_t i = 0; i < first.objects.size(); ++i) {
		const ObjectDescription& was = first.objects[i];
		const ObjectDescription& is = again.objects[i];
		EXPECT_EQ(is.name, was.name);
		EXPECT_EQ(is.classId, was.classId) << written;
		ASSERT_EQ(is.constraints.size(), was.constraints.size()) << written;
		for (size_t c = 0; c < was.constraints.size(); ++c) {
			EXPECT_EQ(is.constraints[c].name, was.constraints[c].name);
			EXPECT_EQ(is.constraints[c].type, was.constraints[c].type);
		}
		EXPECT_EQ(is.operators, was.operators) << written;
		ASSERT_EQ(is.children.size(), was.children.size()) << written;
	}
	EXPECT_EQ(again.selection, first.selection);
	for (SceneKey key : {kObjectsKey, kSelectionKey, kRootPropertiesKey, kNameKey, kClassKey, kConstraintsKey,
	                     kOperatorsKey, kChildrenKey, kTypeKey}) {
		EXPECT_NE(written.find("\"" + std::string(SceneKeyText(key)) + "\": "), std::string::npos)
		    << SceneKeyText(key) << " is never written";
	}
	host.ResetScene();
}

} // namespace
