// Ids found by hash in one flat table (open addressing, linear probing): no
// allocation per entry and 8 bytes a slot, where a node-based map of a
// million names costs tens of bytes each and a cache miss per node.
#ifndef HOST_ENGINE_ID_INDEX_H
#define HOST_ENGINE_ID_INDEX_H

#include <cstddef>
#include <cstdint>
#include <vector>

namespace host_engine {

// The caller keeps what each id stands for and its hash; `matches(id)` says
// whether an id is the one sought.
class IdIndex
{
public:
	static constexpr uint32_t kNone = 0xFFFFFFFF;

	template <typename Matches> uint32_t Find(uint32_t hash, Matches matches) const
	{
		if (m_slots.empty()) {
			return kNone;
		}
		size_t mask = m_slots.size() - 1;
		for (size_t i = hash & mask;; i = (i + 1) & mask) {
			const Slot& slot = m_slots[i];
			if (slot.id == kNone) {
				return kNone;
			}
			if (slot.hash == hash && matches(slot.id)) {
				return slot.id;
			}
		}
	}

	// Adds `id`, which must not be in the index already.
	void Insert(uint32_t hash, uint32_t id)
	{
		if ((m_count + 1) * 2 > m_slots.size()) {
			Grow();
		}
		size_t mask = m_slots.size() - 1;
		size_t i = hash & mask;
		while (m_slots[i].id != kNone) {
			i = (i + 1) & mask;
		}
		m_slots[i] = Slot{hash, id};
		++m_count;
	}

	// Removes `id`, entered under `hash`; nothing when it is not there.
	void Erase(uint32_t hash, uint32_t id)
	{
		if (m_slots.empty()) {
			return;
		}
		size_t mask = m_slots.size() - 1;
		size_t i = hash & mask;
		while (m_slots[i].id != id) {
			if (m_slots[i].id == kNone) {
				return;
			}
			i = (i + 1) & mask;
		}
		// Shift later entries of the run back, so that no probe stops short.
		for (size_t next = (i + 1) & mask; m_slots[next].id != kNone; next = (next + 1) & mask) {
			size_t home = m_slots[next].hash & mask;
			bool between = i <= next ? (i < home && home <= next) : (i < home || home <= next);
			if (!between) {
				m_slots[i] = m_slots[next];
				i = next;
			}
		}
		m_slots[i] = Slot{0, kNone};
		--m_count;
	}

	// Room for `count` entries without growing.
	void Reserve(size_t count)
	{
		if (count * 2 > m_slots.size()) {
			Rehash(RoundUp(count * 2));
		}
	}

	void Clear()
	{
		m_slots.clear();
		m_count = 0;
	}
	size_t Count() const { return m_count; }

private:
	struct Slot {
		uint32_t hash;
		uint32_t id;
	};

	static size_t RoundUp(size_t count)
	{
		size_t size = 16;
		while (size < count) {
			size *= 2;
		}
		return size;
	}

	void Grow() { Rehash(m_slots.empty() ? 16 : m_slots.size() * 2); }

	void Rehash(size_t size)
	{
		Slots old;
		old.swap(m_slots);
		m_slots.assign(size, Slot{0, kNone});
		size_t mask = m_slots.size() - 1;
		for (const Slot& slot : old) {
			if (slot.id != kNone) {
				size_t i = slot.hash & mask;
				while (m_slots[i].id != kNone) {
					i = (i + 1) & mask;
				}
				m_slots[i] = slot;
			}
		}
	}

	using Slots = std::vector<Slot>;
	Slots m_slots;
	size_t m_count = 0;
};

} // namespace host_engine

#endif
