// A handle to one of the host's objects: its slot and the generation it was issued for.
#ifndef HOST_ENGINE_OBJECT_HANDLE_H
#define HOST_ENGINE_OBJECT_HANDLE_H

#include <cstdint>

namespace host_engine {

// Slot 0 is never used, so 0 means "no object".
const uint32_t kNoSlot = 0;

// A handle as the object API holds it: a slot and the generation it was
// issued for. A freed slot's generation moves on, so old handles go stale.
// Both share the one word of a CRef: on 32-bit builds a slot has 24 bits
// and a generation 8, and a slot whose generation runs out is retired, never
// reused, so that no stale handle comes back to life.
const uint32_t kMaxSlot = sizeof(void*) >= 8 ? 0xFFFFFFFFu : 0xFFFFFFu;
const uint32_t kMaxGeneration = sizeof(void*) >= 8 ? 0xFFFFFFFFu : 0xFFu;

struct Handle {
	uint32_t slot = kNoSlot;
	uint32_t generation = 0;
};

} // namespace host_engine

#endif
