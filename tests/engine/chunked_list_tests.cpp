// The per-run record list against a vector, across its chunks.
#include "engine/chunked_list.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using List = host_engine::ChunkedList<long>;

void ExpectSame(const List& list, const std::vector<long>& model)
{
	ASSERT_EQ(list.size(), model.size());
	size_t i = 0;
	for (long entry : list) {
		ASSERT_EQ(entry, model[i]) << "at " << i;
		++i;
	}
	EXPECT_EQ(i, model.size());
}

TEST(ChunkedList, HoldsWhatWasAddedAcrossChunks_ClearKeepsRoomForTheNextFill)
{
	const size_t kCount = 2 * List::kChunkEntries + 3;
	List list;
	std::vector<long> model;
	for (size_t i = 0; i < kCount; ++i) {
		list.push_back(static_cast<long>(i * 3));
		model.push_back(static_cast<long>(i * 3));
	}
	ExpectSame(list, model);
	EXPECT_EQ(list.back(), model.back());
	list[List::kChunkEntries] = -1;
	model[List::kChunkEntries] = -1;
	ExpectSame(list, model);

	size_t capacity = list.capacity();
	list.clear();
	EXPECT_TRUE(list.empty());
	EXPECT_EQ(list.capacity(), capacity);
	list.push_back(42);
	ExpectSame(list, {42});

	List other;
	other.swap(list);
	ExpectSame(other, {42});
	ExpectSame(list, {});
	EXPECT_EQ(other.capacity(), capacity);
}

} // namespace
