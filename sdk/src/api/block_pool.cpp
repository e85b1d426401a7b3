#include "api/block_pool.h"

#include <cstdlib>
#include <new>

namespace XSI {
namespace block_pool {

namespace {

#if defined(__SANITIZE_ADDRESS__)
const bool kPooled = false; // every block from the heap, so that misuse shows
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
const bool kPooled = false;
#else
const bool kPooled = true;
#endif
#else
const bool kPooled = true;
#endif

// Classes of 32, 64, 128 and 256 bytes; anything larger comes from the heap
// as asked. A few dozen blocks a class are all a pass has in use at once.
const size_t kSmallest = 32;
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
SizeClass g_classes[kClasses];

int ClassOf(size_t bytes)
{
	int index = 0;
	for (size_t size = kSmallest; size < bytes; size *= 2) {
		if (++index == kClasses) {
			return -1;
		}
	}
	return index;
}

void* FromHeap(size_t bytes)
{
	void* block = std::malloc(bytes);
	if (block == nullptr) {
		throw std::bad_alloc();
	}
	return block;
}

} // namespace

void* Allocate(size_t bytes, size_t* granted)
{
	int index = ClassOf(bytes);
	if (index < 0) {
		*granted = bytes;
		return FromHeap(bytes);
	}
	*granted = kSmallest << index;
	SizeClass& sizeClass = g_classes[index];
	if (sizeClass.first != nullptr) {
		FreeBlock* block = sizeClass.first;
		sizeClass.first = block->next;
		--sizeClass.kept;
		return block;
	}
	return FromHeap(*granted);
}

void Free(void* block, size_t granted)
{
	int index = ClassOf(granted);
	if (kPooled && index >= 0 && g_classes[index].kept < kKeptPerClass) {
		SizeClass& sizeClass = g_classes[index];
		FreeBlock* freed = static_cast<FreeBlock*>(block);
		freed->next = sizeClass.first;
		sizeClass.first = freed;
		++sizeClass.kept;
		return;
	}
	std::free(block);
}

} // namespace block_pool
} // namespace XSI
