// How the host engine reads and makes the handles the object API hands out.
// A CRef holds one pointer-sized word, as the host's does: here the object's
// slot in the table, in the high bits, and the generation the slot had when
// the handle was made, in the low ones.
#ifndef HOST_ENGINE_REF_HANDLES_H
#define HOST_ENGINE_REF_HANDLES_H

#include "engine/object_handle.h"

#include <xsi_ref.h>
#include <xsi_value.h>

#include <cstdint>
#include <memory>
#include <type_traits>

namespace host_engine {

// The generation's share of a word of type Word; the slot has the rest. A
// 32-bit word leaves 24 bits of slot (16 million objects) and 8 of
// generation, and the table retires a slot whose generation runs out.
template <typename Word> constexpr unsigned GenerationBits()
{
	return sizeof(Word) >= 8 ? 32 : 8;
}

template <typename Word> constexpr Word PackHandle(const Handle& handle)
{
	return static_cast<Word>(static_cast<Word>(handle.slot) << GenerationBits<Word>()) |
	       static_cast<Word>(handle.generation);
}

template <typename Word> constexpr Handle UnpackHandle(Word word)
{
	Handle handle;
	handle.slot = static_cast<uint32_t>(word >> GenerationBits<Word>());
	handle.generation = static_cast<uint32_t>(word & ((static_cast<Word>(1) << GenerationBits<Word>()) - 1));
	return handle;
}

using RefWord = uintptr_t;

static_assert(kMaxSlot <= (static_cast<uint64_t>(1) << (sizeof(RefWord) * 8 - GenerationBits<RefWord>())) - 1,
              "every slot fits a handle's word");
static_assert(kMaxGeneration <= (static_cast<uint64_t>(1) << GenerationBits<RefWord>()) - 1,
              "every generation fits a handle's word");

// A CRef is standard-layout with one pointer as its only member, so the
// pointer sits at its address: the engine reads and writes it there.
static_assert(std::is_standard_layout<XSI::CRef>::value && sizeof(XSI::CRef) == sizeof(void*), "a CRef is one word");

inline RefWord WordOf(const XSI::CRef& ref)
{
	return reinterpret_cast<RefWord>(*reinterpret_cast<void* const*>(std::addressof(ref)));
}

inline void SetWord(XSI::CRef& ref, RefWord word)
{
	*reinterpret_cast<void**>(std::addressof(ref)) = reinterpret_cast<void*>(word);
}

inline Handle HandleOfRef(const XSI::CRef& ref)
{
	return UnpackHandle(WordOf(ref));
}

inline void SetHandle(XSI::CRef& ref, const Handle& handle)
{
	SetWord(ref, PackHandle<RefWord>(handle));
}

// A CValue of type siRef keeps its reference's word in its union: a
// deletion passes one, and nothing is allocated for it.
inline void PutRefInValue(XSI::CValue& value, const XSI::CRef& ref)
{
	value.m_u.ullval = 0;
	value.m_u.pval = reinterpret_cast<void*>(WordOf(ref));
}

inline Handle HandleInValue(const XSI::CValue& value)
{
	return UnpackHandle(reinterpret_cast<RefWord>(value.m_u.pval));
}

} // namespace host_engine

#endif
