// How the host engine reads and makes the handles the object API hands out.
#ifndef HOST_ENGINE_REF_HANDLES_H
#define HOST_ENGINE_REF_HANDLES_H

#include <xsi_ref.h>

#include <cstdint>
#include <vector>

namespace XSI {

struct CRefAccess {
	static CRef Make(uint32_t slot, uint32_t generation)
	{
		CRef ref;
		ref.m_slot = slot;
		ref.m_generation = generation;
		return ref;
	}
	static uint32_t Slot(const CRef& ref) { return ref.m_slot; }
	static uint32_t Generation(const CRef& ref) { return ref.m_generation; }
	using Items_t = standin::SmallArray<CRef, 4>;
	static Items_t& Items(CRefArray& array) { return array.m_items; }
	static const Items_t& Items(const CRefArray& array) { return array.m_items; }
};

} // namespace XSI

#endif
