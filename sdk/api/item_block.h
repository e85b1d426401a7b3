// The items of an object-API array in one block from the pool: a header
// with the block's size and (for arrays that have no count of their own)
// the count, then the items, constructed in place.
#ifndef XSI_STANDIN_ITEM_BLOCK_H
#define XSI_STANDIN_ITEM_BLOCK_H

#include "block_pool.h"

#include <cstdint>
#include <new>

namespace XSI {

template <typename T> class ItemBlock
{
public:
	// Room for at least `capacity` items, none of them made yet.
	static ItemBlock* Make(size_t capacity)
	{
		if (capacity > (UINT32_MAX - sizeof(ItemBlock)) / sizeof(T)) {
			throw std::bad_alloc();
		}
		size_t granted = 0;
		void* memory = block_pool::Allocate(sizeof(ItemBlock) + capacity * sizeof(T), &granted);
		ItemBlock* block = static_cast<ItemBlock*>(memory);
		block->count = 0;
		block->m_bytes = static_cast<uint32_t>(granted > UINT32_MAX ? UINT32_MAX : granted);
		return block;
	}

	// Destroys the first `count` items and gives the block back.
	static void Release(ItemBlock* block, size_t count)
	{
		if (block == nullptr) {
			return;
		}
		T* items = block->Items();
		for (size_t i = 0; i < count; ++i) {
			items[i].T::~T(); // the items are T itself: no virtual call
		}
		block_pool::Free(block, block->m_bytes);
	}

	// Makes room for `wanted` items, keeping the first `count`: in place if
	// they fit, else in a block twice as large or as wanted.
	static void Reserve(ItemBlock*& block, size_t count, size_t wanted)
	{
		size_t capacity = block ? block->Capacity() : 0;
		if (wanted <= capacity) {
			return;
		}
		ItemBlock* grown = Make(wanted > 2 * capacity ? wanted : 2 * capacity);
		grown->count = block ? block->count : 0;
		for (size_t i = 0; i < count; ++i) {
			new (grown->Items() + i) T(block->Items()[i]);
		}
		Release(block, count);
		block = grown;
	}

	// A block with copies of the first `count` items of `from`; none for none.
	static ItemBlock* Copy(const ItemBlock* from, size_t count)
	{
		if (count == 0) {
			return nullptr;
		}
		ItemBlock* copy = Make(count);
		for (size_t i = 0; i < count; ++i) {
			new (copy->Items() + i) T(from->Items()[i]);
		}
		copy->count = from->count;
		return copy;
	}

	T* Items() { return reinterpret_cast<T*>(this + 1); }
	const T* Items() const { return reinterpret_cast<const T*>(this + 1); }
	size_t Capacity() const { return (m_bytes - sizeof(ItemBlock)) / sizeof(T); }

	uint32_t count;

private:
	uint32_t m_bytes;
};

} // namespace XSI

#endif
