#include "block_pool.h"

#include <cstdlib>
#include <new>

namespace XSI {
namespace block_pool {

SizeClass g_classes[kClasses];

void* FromHeap(size_t bytes)
{
	void* block = std::malloc(bytes);
	if (block == nullptr) {
		throw std::bad_alloc();
	}
	return block;
}

void ToHeap(void* block)
{
	std::free(block);
}

} // namespace block_pool
} // namespace XSI
