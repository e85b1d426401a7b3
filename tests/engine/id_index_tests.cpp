// The flat id index against a plain set: crowded runs, wrap-around, erase.
#include "engine/id_index.h"

#include <gtest/gtest.h>

#include <random>
#include <set>

namespace {

using host_engine::IdIndex;

// Few distinct hashes, some at the table's last slots: runs collide, cross
// the end of the table and wrap to its start.
uint32_t CrowdedHash(uint32_t id)
{
	return id % 3 == 0 ? 0xFFFFFFFFu - id % 2 : id % 5;
}

void ExpectSame(const IdIndex& index, const std::set<uint32_t>& model, uint32_t maxId)
{
	ASSERT_EQ(index.Count(), model.size());
	for (uint32_t id = 0; id < maxId; ++id) {
		uint32_t found = index.Find(CrowdedHash(id), [id](uint32_t candidate) { return candidate == id; });
		EXPECT_EQ(found, model.count(id) ? id : IdIndex::kNone) << "id " << id;
	}
}

TEST(IdIndex, MatchesASetThroughInsertsAndErasesInCrowdedRuns)
{
	const uint32_t kMaxId = 300;
	std::mt19937 random(7);
	IdIndex index;
	std::set<uint32_t> model;
	for (int step = 0; step < 4000; ++step) {
		uint32_t id = random() % kMaxId;
		if (model.count(id)) {
			index.Erase(CrowdedHash(id), id);
			model.erase(id);
		} else {
			index.Insert(CrowdedHash(id), id);
			model.insert(id);
		}
		if (step % 97 == 0) {
			ExpectSame(index, model, kMaxId);
		}
	}
	ExpectSame(index, model, kMaxId);

	// Erasing what is not there changes nothing; growing keeps every id.
	index.Erase(CrowdedHash(kMaxId + 1), kMaxId + 1);
	index.Reserve(10 * kMaxId);
	ExpectSame(index, model, kMaxId);
	index.Clear();
	ExpectSame(index, std::set<uint32_t>(), kMaxId);
}

} // namespace
