// A handle in one word: the slot and generation a CRef carries survive the
// word, on 64-bit builds and in the 24+8 bits of the 32-bit ones.
#include "engine/object_table.h"
#include "engine/ref_handles.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using host_engine::Handle;

Handle Make(uint32_t slot, uint32_t generation)
{
	Handle handle;
	handle.slot = slot;
	handle.generation = generation;
	return handle;
}

template <typename Word> void ExpectRoundTrips(const Handle& handle)
{
	Handle back = host_engine::UnpackHandle(host_engine::PackHandle<Word>(handle));
	EXPECT_EQ(back.slot, handle.slot) << sizeof(Word) << "-byte word";
	EXPECT_EQ(back.generation, handle.generation) << sizeof(Word) << "-byte word";
}

TEST(HandleWord, SlotAndGenerationSurviveTheWord_TheSlotOrdersFirst)
{
	for (const Handle& handle : {Make(1, 0), Make(0xFFFFFF, 0xFF), Make(0x123456, 0x12), Make(2, 1)}) {
		ExpectRoundTrips<uint32_t>(handle);
		ExpectRoundTrips<uint64_t>(handle);
	}
	ExpectRoundTrips<uint64_t>(Make(0xFFFFFFFF, 0xFFFFFFFF));
	ExpectRoundTrips<uint64_t>(Make(0x80000000, 0x7FFFFFFF));
	// Words compare as handles did: by slot, then by generation.
	EXPECT_LT(host_engine::PackHandle<uint32_t>(Make(1, 0xFF)), host_engine::PackHandle<uint32_t>(Make(2, 0)));
	EXPECT_LT(host_engine::PackHandle<uint64_t>(Make(1, 0xFFFFFFFF)), host_engine::PackHandle<uint64_t>(Make(2, 0)));
	EXPECT_EQ(host_engine::PackHandle<uintptr_t>(Make(host_engine::kNoSlot, 0)), 0u); // no object: a null pointer
}

TEST(HandleWord, ACRefAndAValueCarryTheHandle)
{
	const Handle handle = Make(4321, 17);
	XSI::CRef ref;
	EXPECT_EQ(host_engine::HandleOfRef(ref).slot, host_engine::kNoSlot);
	host_engine::SetHandle(ref, handle);
	XSI::CRef copy(ref);
	XSI::CRef assigned;
	assigned = copy;
	for (const XSI::CRef& each : {ref, copy, assigned}) {
		EXPECT_EQ(host_engine::HandleOfRef(each).slot, handle.slot);
		EXPECT_EQ(host_engine::HandleOfRef(each).generation, handle.generation);
	}
	XSI::CValue value(ref);
	EXPECT_EQ(host_engine::HandleInValue(value).slot, handle.slot);
	EXPECT_EQ(host_engine::HandleInValue(value).generation, handle.generation);
	EXPECT_EQ(static_cast<XSI::CRef>(value), ref);
}

// A slot whose generations run out is never handed out again, so that no
// handle to one of its earlier objects can come back to life.
TEST(SlotReuse, ASlotIsRetiredWhenItsGenerationsRunOut_ItsHandlesStayStale)
{
	host_engine::ObjectTable table(2); // a slot serves generations 0, 1 and 2
	std::vector<Handle> issued;
	for (int i = 0; i < 3; ++i) {
		Handle handle = table.Create(XSI::siX3DObjectID, L"thing", host_engine::kNoSlot);
		EXPECT_TRUE(table.IsLive(handle));
		issued.push_back(handle);
		table.DestroySubtree(handle.slot);
	}
	for (size_t i = 0; i < issued.size(); ++i) {
		EXPECT_EQ(issued[i].slot, issued[0].slot);
		EXPECT_EQ(issued[i].generation, i);
	}
	Handle next = table.Create(XSI::siX3DObjectID, L"thing", host_engine::kNoSlot);
	EXPECT_NE(next.slot, issued[0].slot);
	for (const Handle& handle : issued) {
		EXPECT_FALSE(table.IsLive(handle));
	}
	EXPECT_EQ(table.LiveCount(), 1u);

	// A subtree kept for undo and then dropped retires its slots the same way.
	Handle parent = table.Create(XSI::siX3DObjectID, L"parent", host_engine::kNoSlot);
	Handle child = table.Create(XSI::siX3DObjectID, L"child", parent.slot);
	for (int i = 0; i < 3; ++i) {
		Handle top = table.Create(XSI::siConstraintID, L"cns", child.slot);
		table.ReleaseDetached(table.DetachSubtree(top.slot));
	}
	EXPECT_EQ(table.LiveCount(), 3u);
	EXPECT_TRUE(table.IsLive(child));
}

} // namespace
