// The items of CStringArray and CValueArray: the one pointer such an array
// holds leads to a block that keeps the count with the items.
#ifndef XSI_STANDIN_COUNTED_ITEMS_H
#define XSI_STANDIN_COUNTED_ITEMS_H

#include "item_block.h"

#include <sicppsdk.h>
#include <xsi_status.h>

#include <cstddef>
#include <new>

namespace XSI {

template <typename T> class CountedItems
{
public:
	using Block = ItemBlock<T>;

	static LONG Count(const void* items)
	{
		return items ? static_cast<LONG>(static_cast<const Block*>(items)->count) : 0;
	}

	// The item at `index`, or null out of range.
	static T* At(void* items, LONG index)
	{
		return index >= 0 && index < Count(items) ? static_cast<Block*>(items)->Items() + index : nullptr;
	}
	static const T* At(const void* items, LONG index)
	{
		return index >= 0 && index < Count(items) ? static_cast<const Block*>(items)->Items() + index : nullptr;
	}

	static void* Copy(const void* items) { return Block::Copy(static_cast<const Block*>(items), Size(items)); }

	static void Release(void* items) { Block::Release(static_cast<Block*>(items), Size(items)); }

	// Replaces `items` with a copy of `from`; a copy first, as `from` may be `items`.
	static void Assign(void*& items, const void* from)
	{
		void* copy = Copy(from);
		Release(items);
		items = copy;
	}

	static void Add(void*& items, const T& item)
	{
		T kept(item); // `item` may live in this array
		size_t count = Size(items);
		Block* block = static_cast<Block*>(items);
		Block::Reserve(block, count, count + 1);
		new (block->Items() + count) T(kept);
		block->count = static_cast<uint32_t>(count + 1);
		items = block;
	}

	// New items are made empty; items past the new size are destroyed.
	static CStatus Resize(void*& items, LONG size)
	{
		if (size < 0) {
			return CStatus::InvalidArgument;
		}
		size_t count = Size(items);
		size_t wanted = static_cast<size_t>(size);
		if (wanted == count) {
			return CStatus::OK;
		}
		Block* block = static_cast<Block*>(items);
		Block::Reserve(block, count, wanted);
		for (size_t i = count; i < wanted; ++i) {
			new (block->Items() + i) T();
		}
		for (size_t i = wanted; i < count; ++i) {
			block->Items()[i].T::~T();
		}
		block->count = static_cast<uint32_t>(wanted);
		items = block;
		return CStatus::OK;
	}

	static bool Equal(const void* left, const void* right)
	{
		LONG count = Count(left);
		if (count != Count(right)) {
			return false;
		}
		for (LONG i = 0; i < count; ++i) {
			if (*At(left, i) != *At(right, i)) {
				return false;
			}
		}
		return true;
	}

private:
	static size_t Size(const void* items) { return static_cast<size_t>(Count(items)); }
};

} // namespace XSI

#endif
