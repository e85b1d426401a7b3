// Texts kept once each and known by a number: names in the host, texts of
// a scene file. Stored end to end in large blocks, found through a flat
// index: a million names cost their characters and about 24 bytes each,
// with no allocation per name.
#ifndef HOST_CORE_TEXT_TABLE_H
#define HOST_CORE_TEXT_TABLE_H

#include "core/id_index.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace host_core {

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
	}
	TextTable(TextTable&&) = default;
	TextTable& operator=(TextTable&&) = default;

	uint32_t Intern(View text)
	{
		uint32_t hash = Hash(text);
		uint32_t found = m_ids.Find(hash, [&](uint32_t id) { return m_texts[id] == text; });
		if (found != kNone) {
			return found;
		}
		uint32_t id = static_cast<uint32_t>(m_texts.size());
		m_texts.push_back(Store(text));
		m_ids.Insert(hash, id);
		return id;
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
	std::vector<View> m_texts;
	IdIndex m_ids;
};

} // namespace host_core

#endif
