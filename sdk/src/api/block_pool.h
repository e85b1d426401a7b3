// Memory for the object API's texts and arrays. A removal pass makes and
// drops several of them for every object (a constraint list, a command's
// arguments and name), so freed blocks of the common sizes wait for the next
// request instead of going back to the heap. The host calls plug-ins from
// one thread, as the rest of the stand-in assumes.
#ifndef XSI_STANDIN_BLOCK_POOL_H
#define XSI_STANDIN_BLOCK_POOL_H

#include <cstddef>

namespace XSI {
namespace block_pool {

// A block of at least `bytes`, aligned for any item; `*granted` gets how
// many bytes it has. Throws std::bad_alloc.
void* Allocate(size_t bytes, size_t* granted);

// Gives back a block Allocate made, with the size it granted.
void Free(void* block, size_t granted);

} // namespace block_pool
} // namespace XSI

#endif
