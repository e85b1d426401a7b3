// Texts kept once each and known by a number: names in the host, texts of
// a scene file. Stored end to end in large blocks, found through a flat
// index: a million names cost their characters and about 24 bytes each,
// with no allocation per name.
#ifndef HOST_ENGINE_TEXT_TABLE_H
#define HOST_ENGINE_TEXT_TABLE_H

#include "engine/id_index.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace host_engine {

// Id 0 is the empty text.
template <typename Char> class TextTable
{
public:
	using View = std::basic_string_view<Char>;
	static constexpr uint32_t kNone = IdIndex::kNone;

	TextTable()
	{
		m_texts.emplace_back();
		m_ids.Insert(Hash(View()), 0);
		m_recent.fill(kNone);
	}
	TextTable(TextTable&&) = default;
	TextTable& operator=(TextTable&&) = default;

	uint32_t Intern(View text)
	{
		// A scene repeats a few texts (constraint and operator names) millions
		// of times: those are found here without hashing.
		uint32_t& recent = m_recent[RecentSlot(text)];
		if (recent != kNone && m_texts[recent] == text) {
			return recent;
		}
		uint32_t hash = Hash(text);
		uint32_t found = m_ids.Find(hash, [&](uint32_t id) { return m_texts[id] == text; });
		if (found != kNone) {
			recent = found; // seen twice: likely to come again
			return found;
		}
		found = static_cast<uint32_t>(m_texts.size());
		m_texts.push_back(Store(text));
		m_ids.Insert(hash, found);
		return found;
	}
	// The id of `text`, or kNone when it was never interned.
	uint32_t Find(View text) const
	{
		return m_ids.Find(Hash(text), [&](uint32_t id) { return m_texts[id] == text; });
	}
	View Text(uint32_t id) const { return m_texts[id]; }
	size_t Count() const { return m_texts.size(); }
	// Room for `count` more texts without growing.
	void Reserve(size_t count)
	{
		m_texts.reserve(m_texts.size() + count);
		m_ids.Reserve(m_texts.size() + count);
	}

private:
	static constexpr size_t kBlockChars = size_t(1) << 18;

	static size_t RecentSlot(View text)
	{
		size_t mix = text.size() * 131;
		if (!text.empty()) {
			mix += static_cast<size_t>(text.front()) * 7 + static_cast<size_t>(text.back());
		}
		return mix % kRecent;
	}

	static uint32_t Hash(View text)
	{
		size_t hash = std::hash<View>()(text);
		return static_cast<uint32_t>(hash ^ (hash >> 16 >> 16));
	}

	View Store(View text)
	{
		if (text.size() > m_blockLeft) {
			size_t size = std::max(kBlockChars, text.size());
			m_blocks.emplace_back(new Char[size]);
			m_blockNext = m_blocks.back().get();
			m_blockLeft = size;
		}
		std::copy(text.begin(), text.end(), m_blockNext);
		View stored(m_blockNext, text.size());
		m_blockNext += text.size();
		m_blockLeft -= text.size();
		return stored;
	}

	std::vector<std::unique_ptr<Char[]>> m_blocks;
	Char* m_blockNext = nullptr;
	size_t m_blockLeft = 0;
	static constexpr size_t kRecent = 64;

	std::vector<View> m_texts;
	IdIndex m_ids;
	std::array<uint32_t, kRecent> m_recent;
};

} // namespace host_engine

#endif
