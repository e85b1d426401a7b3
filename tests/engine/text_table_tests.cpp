// Interned texts: one id per text, texts that stay put as the table grows.
#include "engine/text_table.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using Texts = host_engine::TextTable<wchar_t>;

TEST(TextTable, EachTextOneIdAndItsTextBackAcrossManyBlocks)
{
	Texts texts;
	EXPECT_EQ(texts.Intern(L""), 0u);
	EXPECT_EQ(texts.Find(L"never"), Texts::kNone);

	// Enough texts to fill several blocks, one longer than a block, and
	// neighbours that look alike to the recent-text cache (same length,
	// same first and last character).
	std::vector<std::wstring> all;
	for (int i = 0; i < 60000; ++i) {
		all.push_back(L"a" + std::to_wstring(i % 7) + L"name" + std::to_wstring(i) + L"z");
	}
	all.push_back(std::wstring(300000, L'x'));
	all.push_back(L"aXb");
	all.push_back(L"aYb");
	std::map<std::wstring, uint32_t> ids;
	for (int round = 0; round < 2; ++round) {
		for (const std::wstring& text : all) {
			uint32_t id = texts.Intern(text);
			auto known = ids.emplace(text, id).first;
			EXPECT_EQ(known->second, id) << "a text changed its id";
		}
	}
	EXPECT_EQ(texts.Count(), all.size() + 1);
	// Every text still reads back: stored texts never move.
	for (const auto& entry : ids) {
		ASSERT_EQ(texts.Text(entry.second), entry.first);
		ASSERT_EQ(texts.Find(entry.first), entry.second);
	}

	Texts moved(std::move(texts));
	EXPECT_EQ(moved.Text(ids[L"aYb"]), L"aYb");
	EXPECT_EQ(moved.Intern(L"aXb"), ids[L"aXb"]);
}

} // namespace
