// Unique naming: the name a new object takes when the one it asks for is
// held, its base with the lowest free number after it ("Opt", "Opt1", ...).
#ifndef HOST_ENGINE_FREE_NAME_SEARCH_H
#define HOST_ENGINE_FREE_NAME_SEARCH_H

#include "engine/name_table.h"

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

namespace host_engine {

class FreeNameSearch
{
public:
	// Whether a name is held where the new object goes.
	using Taken = std::function<bool(std::wstring_view name)>;

	// `base` itself if free, else the base with the lowest free number.
	// Within a model (`scope` is its slot) the search goes on from where the
	// last one for the base stopped, and the caller takes the name at once;
	// among one object's children (`scope` is kNoSlot) it tries 1, 2, 3...
	std::wstring Find(uint32_t scope, std::wstring_view base, NameTable& names, const Taken& taken);
	// A name that left its model: its number, if a search could have given
	// it, is free again for its base.
	void NoteNameFreed(uint32_t scope, std::wstring_view name, const NameTable& names);
	// Whether any search has run since the last Clear: until then no
	// freed name needs noting.
	bool Searching() const { return !m_searches.empty(); }
	// Forgets every search: for when the name ids change.
	void Clear() { m_searches.clear(); }
	// How many names have been tried: what a new name costs, for the tests.
	size_t Probes() const { return m_probes; }

private:
	bool Probe(const Taken& taken, std::wstring_view name);

	// Where the search for a base name's lowest free number in a scope goes
	// on from, so that the names 20,000 leftovers took are not tried again
	// for each new one: every number below `next` is taken, but for those
	// in `freed` (numbers that left since, some maybe taken again).
	struct Search {
		uint64_t next = 1;
		std::set<uint64_t> freed;
	};
	std::unordered_map<uint64_t, Search> m_searches; // by (scope, base name id)
	size_t m_probes = 0;
};

} // namespace host_engine

#endif
