// Many seeded random scenes, selections and page answers, run through the
// module and checked against a small model of the rules written here, under
// every reading of what the host leaves open.
#include "support/each_reading.h"
#include "support/host_records.h"
#include "support/loaded_module.h"

#include "scene_file/scene_writer.h"

#include <algorithm>
#include <map>
#include <random>
#include <set>

namespace {

using quillmere_tests::Deletion;
using quillmere_tests::Deletions;
using quillmere_tests::LogMessages;

const std::vector<std::wstring> kParameters = {L"Pos",      L"Dir",     L"Ori",      L"Pose",
                                               L"Distance", L"Scaling", L"Symmetry", L"ChainUpVector"};
// Which parameter removes which constraint name; the model's own table.
const std::map<std::wstring, std::wstring> kKindByName = {
    {L"Position Cns", L"Pos"},      {L"Orientation Cns", L"Ori"},   {L"Direction Cns", L"Dir"},
    {L"Pose Cns", L"Pose"},         {L"Distance Cns", L"Distance"}, {L"ScalingCns", L"Scaling"},
    {L"Symmetry Cns", L"Symmetry"},
};
const std::vector<std::wstring> kConstraintNames = {
    L"Position Cns",  L"Orientation Cns", L"Direction Cns", L"Pose Cns",     L"Distance Cns",
    L"ScalingCns",    L"Symmetry Cns",    L"Scaling Cns",   L"position Cns", L"Position Cns1",
    L" Pose Cns",     L"Pose Cns ",       L"ScalingCNS",    L"Symmetry",     L"",
    L"Direction  Cns"};
const std::vector<std::wstring> kOperatorNames = {L"SkeletonUpVectorOp", L"SkeletonUpVectorOp1", L"skeletonUpVectorOp",
                                                  L"SkeletonPrefRotOp", L"UpVectorOp"};
const std::vector<XSI::siClassID> kClasses = {XSI::siX3DObjectID, XSI::siModelID,         XSI::siChainRootID,
                                              XSI::siChainBoneID, XSI::siChainEffectorID, XSI::siNullID,
                                              XSI::siGroupID};

struct ModelObject {
	std::wstring name;
	XSI::siClassID classId;
	std::vector<std::wstring> constraints;
	std::vector<std::wstring> operators;
	XSI::CRef ref;
};

class RandomScenes : public quillmere_tests::LoadedModule,
                     public ::testing::WithParamInterface<host_engine::HostReadings>
{
protected:
	void SetUp() override
	{
		LoadedModule::SetUp();
		host.Readings() = GetParam();
	}

	// The selection's 3D objects. Whether chain elements and models are
	// among them is the host's to say: the command follows the family.
	bool Is3DObject(XSI::siClassID classId) const
	{
		switch (classId) {
		case XSI::siGroupID: return false;
		case XSI::siModelID: return GetParam().ModelsAre3DObjects();
		case XSI::siChainRootID:
		case XSI::siChainBoneID:
		case XSI::siChainEffectorID: return GetParam().ChainElementsAre3DObjects();
		default: return true;
		}
	}

	std::mt19937 random;

	size_t Pick(size_t count) { return std::uniform_int_distribution<size_t>(0, count - 1)(random); }
	bool Chance(int percent) { return static_cast<int>(Pick(100)) < percent; }

	std::vector<ModelObject> BuildRandomScene()
	{
		std::vector<ModelObject> objects;
		size_t count = 1 + Pick(20);
		for (size_t i = 0; i < count; ++i) {
			ModelObject object;
			object.name = L"o" + std::to_wstring(i);
			object.classId = kClasses[Pick(kClasses.size())];
			XSI::CRef parent = scene.Root();
			if (!objects.empty() && Chance(50)) {
				const ModelObject& up = objects[Pick(objects.size())];
				if (up.classId != XSI::siGroupID) {
					parent = up.ref;
				}
			}
			object.ref = scene.AddObject(parent, object.name, object.classId);
			EXPECT_EQ(readBack.NameOf(object.ref), object.name);
			if (object.classId != XSI::siGroupID) {
				for (size_t c = Pick(7); c > 0; --c) {
					object.constraints.push_back(kConstraintNames[Pick(kConstraintNames.size())]);
					scene.AddConstraint(object.ref, object.constraints.back(), L"Position Cns");
				}
			}
			for (size_t o = Pick(4); o > 0; --o) {
				object.operators.push_back(kOperatorNames[Pick(kOperatorNames.size())]);
				scene.AddOperator(object.ref, object.operators.back());
			}
			objects.push_back(object);
		}
		return objects;
	}

	struct Expected {
		std::vector<Deletion> deletions;
		std::vector<std::wstring> log;
	};

	// The rules, as a user would state them.
	Expected Model(std::vector<ModelObject> objects, const std::vector<size_t>& selection,
	               const std::map<std::wstring, bool>& values, bool confirmed)
	{
		Expected expected;
		if (confirmed) {
			std::vector<size_t> selected3D;
			for (size_t index : selection) {
				if (Is3DObject(objects[index].classId)) {
					selected3D.push_back(index);
				}
			}
			if (selected3D.empty()) {
				expected.log.push_back(L"Please select object(s).");
			}
			for (size_t index : selected3D) {
				ModelObject& object = objects[index];
				std::vector<std::wstring> kept;
				for (const std::wstring& name : object.constraints) {
					auto kind = kKindByName.find(name);
					if (kind != kKindByName.end() && values.at(kind->second)) {
						expected.deletions.push_back({name, L"Constraint", object.name});
					} else {
						kept.push_back(name);
					}
				}
				object.constraints = kept;
				if (object.classId == XSI::siChainBoneID && values.at(L"ChainUpVector")) {
					auto op = std::find(object.operators.begin(), object.operators.end(), L"SkeletonUpVectorOp");
					if (op != object.operators.end()) {
						expected.deletions.push_back({*op, L"Operator", object.name});
						object.operators.erase(op);
					}
				}
			}
		}
		expected.deletions.push_back({L"QuillmereOption", L"CustomProperty", L"Scene_Root"});
		return expected;
	}
};

TEST_P(RandomScenes, CommandMatchesTheModel_AndUndoRestoresTheScene)
{
	const unsigned kScenes = 300;
	for (unsigned seed = 1; seed <= kScenes; ++seed) {
		SCOPED_TRACE("seed " + std::to_string(seed));
		random.seed(seed);
		host.ResetScene();
		std::vector<ModelObject> objects = BuildRandomScene();
		std::vector<size_t> selection;
		for (size_t s = Pick(objects.size() + 2); s > 0; --s) {
			selection.push_back(Pick(objects.size()));
			scene.Select(objects[selection.back()].ref);
		}
		if (Chance(10)) {
			scene.Select(scene.AddProperty(scene.Root(), L"CustomProperty", L"notes"));
		}

		quillmere_tests::ScriptedPageDriver answers;
		std::map<std::wstring, bool> values;
		for (const std::wstring& name : kParameters) {
			values[name] = true;
		}
		for (size_t s = Pick(7); s > 0; --s) {
			switch (Pick(4)) {
			case 0:
				answers.Click(L"AllOn");
				for (auto& v : values)
					v.second = true;
				break;
			case 1:
				answers.Click(L"AllOff");
				for (auto& v : values)
					v.second = false;
				break;
			case 2:
				answers.Click(L"AllToggle");
				for (auto& v : values)
					v.second = !v.second;
				break;
			default: {
				const std::wstring& name = kParameters[Pick(kParameters.size())];
				bool on = Chance(50);
				answers.Set(name, on);
				values[name] = on;
			}
			}
		}
		bool confirmed = Chance(80);
		answers.Answer(confirmed ? host_engine::PageAnswer::OK : host_engine::PageAnswer::Cancel);
		Expected expected = Model(objects, selection, values, confirmed);

		std::string before = quillmere_host::SceneToJson(host);
		host.SetPageDriver(&answers);
		ASSERT_EQ(RunCommand(), XSI::CStatus::OK);
		host.SetPageDriver(&page);
		ASSERT_EQ(Deletions(), expected.deletions);
		ASSERT_EQ(LogMessages(), expected.log);
		ASSERT_EQ(host.History().FailedCount(), 0u);
		if (!confirmed) {
			ASSERT_EQ(quillmere_host::SceneToJson(host), before) << "a cancelled run changed the scene";
		}
		ASSERT_TRUE(host.UndoSteps().Undo());
		ASSERT_EQ(quillmere_host::SceneToJson(host), before) << "undo did not restore the scene";
	}
}

QUILLMERE_UNDER_EACH_READING(RandomScenes);

} // namespace
