// An allocator for the host's big tables: blocks of 4 MiB and more are
// aligned to 2 MiB and offered to the kernel for huge pages before they are
// touched, so that a million-object scene costs hundreds of page faults, not
// hundreds of thousands. Smaller blocks, and systems without the advice,
// are served as usual.
#ifndef HOST_ENGINE_HUGE_PAGE_ALLOCATOR_H
#define HOST_ENGINE_HUGE_PAGE_ALLOCATOR_H

#include <cstddef>
#include <cstdlib>
#include <new>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace host_engine {

// Raw memory for the allocator below.
inline void* AllocateBlock(size_t bytes)
{
#ifdef __linux__
	const size_t kHugePage = size_t(2) << 20;
	if (bytes >= 2 * kHugePage) {
		void* block = nullptr;
		if (posix_memalign(&block, kHugePage, bytes) != 0) {
			throw std::bad_alloc();
		}
		madvise(block, bytes, MADV_HUGEPAGE); // advice only: a refusal is no error
		return block;
	}
#endif
	void* block = std::malloc(bytes);
	if (block == nullptr && bytes != 0) {
		throw std::bad_alloc();
	}
	return block;
}

template <typename T> struct HugePageAllocator {
	using value_type = T;

	HugePageAllocator() = default;
	template <typename U> HugePageAllocator(const HugePageAllocator<U>&) {}

	T* allocate(size_t count) { return static_cast<T*>(AllocateBlock(count * sizeof(T))); }
	void deallocate(T* block, size_t) { std::free(block); }

	template <typename U> bool operator==(const HugePageAllocator<U>&) const { return true; }
	template <typename U> bool operator!=(const HugePageAllocator<U>&) const { return false; }
};

} // namespace host_engine

#endif
