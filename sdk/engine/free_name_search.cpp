// Unique naming: the lowest free numbered name for a base, found without
// trying again every number the last search for it tried.
#include "engine/free_name_search.h"

#include "engine/object_handle.h"

namespace host_engine {

namespace {

uint64_t SearchKey(uint32_t scope, uint32_t baseId)
{
	return (static_cast<uint64_t>(scope) << 32) | baseId;
}

std::wstring Numbered(std::wstring_view base, uint64_t number)
{
	return std::wstring(base) + std::to_wstring(number);
}

} // namespace

bool FreeNameSearch::Probe(const Taken& taken, std::wstring_view name)
{
	++m_probes;
	return taken(name);
}

std::wstring FreeNameSearch::Find(uint32_t scope, std::wstring_view base, NameTable& names, const Taken& taken)
{
	if (!Probe(taken, base)) {
		return std::wstring(base);
	}
	std::wstring candidate;
	if (scope == kNoSlot) {
		// Among one object's children: a handful, tried one by one.
		for (uint64_t suffix = 1;; ++suffix) {
			candidate = Numbered(base, suffix);
			if (!Probe(taken, candidate)) {
				return candidate;
			}
		}
	}
	// The lowest free number, as trying 1, 2, 3, ... finds it, but from
	// where the last search for this base stopped. The caller takes the
	// name at once, so the number found is taken from here on.
	Search& search = m_searches[SearchKey(scope, names.Intern(base))];
	while (!search.freed.empty()) {
		uint64_t suffix = *search.freed.begin();
		search.freed.erase(search.freed.begin());
		candidate = Numbered(base, suffix);
		if (!Probe(taken, candidate)) {
			return candidate;
		}
	}
	for (;; ++search.next) {
		candidate = Numbered(base, search.next);
		if (!Probe(taken, candidate)) {
			++search.next;
			return candidate;
		}
	}
}

void FreeNameSearch::NoteNameFreed(uint32_t scope, std::wstring_view name, const NameTable& names)
{
	// The host writes its numbers in decimal without leading zeros: each
	// such tail of the name may be the number a search gave after its base.
	const size_t kMostDigits = 19; // any number of 19 digits fits in 64 bits
	uint64_t number = 0;
	uint64_t place = 1;
	for (size_t digits = 1; digits <= kMostDigits && digits <= name.size(); ++digits) {
		wchar_t c = name[name.size() - digits];
		if (c < L'0' || c > L'9') {
			return;
		}
		number += static_cast<uint64_t>(c - L'0') * place;
		place *= 10;
		std::wstring_view base = name.substr(0, name.size() - digits);
		uint32_t baseId = names.Find(base);
		if (c == L'0' || (baseId == 0 && !base.empty())) {
			continue;
		}
		auto search = m_searches.find(SearchKey(scope, baseId));
		if (search != m_searches.end() && number < search->second.next) {
			search->second.freed.insert(number);
		}
	}
}

} // namespace host_engine
