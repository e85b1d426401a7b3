// Memory for the object API's texts and arrays. A removal pass makes and
// drops several of them for every object (a constraint list, a command's
// arguments and name), so freed blocks of the common sizes wait for the next
// request instead of going back to the heap. The host calls plug-ins from
// one thread, as the rest of the stand-in assumes.
#ifndef XSI_STANDIN_BLOCK_POOL_H
#define XSI_STANDIN_BLOCK_POOL_H

#include "engine/address_sanitizer.h"

#include <cstddef>

namespace XSI {
namespace block_pool {

const bool kPooled = !host_engine::kAddressSanitizer; // under it, every block from the heap

// Classes of 32, 64, 128 and 256 bytes; anything larger comes from the heap
// as asked. A few dozen blocks a class are all a pass has in use at once.
const int kClasses = 4;
const size_t kKeptPerClass = 64;

struct FreeBlock {
	FreeBlock* next;
};

struct SizeClass {
	FreeBlock* first;
	size_t kept;
};

// Plain data, never destroyed: a string may be given back while statics
// are torn down at exit.
extern SizeClass g_classes[kClasses];

// Throws std::bad_alloc.
void* FromHeap(size_t bytes);
void ToHeap(void* block);

inline int ClassOf(size_t bytes)
{
	return bytes <= 32 ? 0 : bytes <= 64 ? 1 : bytes <= 128 ? 2 : bytes <= 256 ? 3 : -1;
}

// A block of at least `bytes`, aligned for any item; `*granted` gets how
// many bytes it has. Throws std::bad_alloc.
inline void* Allocate(size_t bytes, size_t* granted)
{
	int index = ClassOf(bytes);
	if (index < 0) {
		*granted = bytes;
		return FromHeap(bytes);
	}
	*granted = size_t(32) << index;
	SizeClass& sizeClass = g_classes[index];
	if (sizeClass.first == nullptr) {
		return FromHeap(*granted);
	}
	FreeBlock* block = sizeClass.first;
	sizeClass.first = block->next;
	--sizeClass.kept;
	return block;
}

// Gives back a block Allocate made, with the size it granted.
inline void Free(void* block, size_t granted)
{
	int index = ClassOf(granted);
	if (!kPooled || index < 0 || g_classes[index].kept == kKeptPerClass) {
		ToHeap(block);
		return;
	}
	SizeClass& sizeClass = g_classes[index];
	FreeBlock* freed = static_cast<FreeBlock*>(block);
	freed->next = sizeClass.first;
	sizeClass.first = freed;
	++sizeClass.kept;
}

} // namespace block_pool
} // namespace XSI

#endif
