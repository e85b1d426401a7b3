// The host's interned names: one id per text, and the texts the object API
// is handed for them.
#include "engine/name_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(NameTable, OneIdPerText_ATextNeverInternedFindsNone)
{
	host_engine::NameTable names;
	uint32_t position = names.Intern(L"Position Cns");
	EXPECT_EQ(names.Intern(L"Position Cns"), position);
	EXPECT_NE(names.Intern(L"Pose Cns"), position);
	EXPECT_EQ(names.Find(L"Position Cns"), position);
	EXPECT_EQ(names.Find(L"never"), 0u);
	EXPECT_EQ(names.Text(position), L"Position Cns");
}

// Answers share their texts with the next answer for the same name: each
// stays its own name's text when more names are asked for than are kept,
// however ids fall on one another.
TEST(NameTable, TextsHandedOut_EachItsOwnNames_AndKeptWhileOthersAreAskedFor)
{
	host_engine::NameTable names;
	const int kNames = 200;
	std::vector<uint32_t> ids;
	for (int i = 0; i < kNames; ++i) {
		ids.push_back(names.Intern(L"name" + std::to_wstring(i)));
	}
	std::vector<XSI::CString> given;
	for (int round = 0; round < 2; ++round) {
		for (int i = 0; i < kNames; ++i) {
			given.push_back(names.AsString(ids[i]));
		}
	}
	for (size_t k = 0; k < given.size(); ++k) {
		ASSERT_EQ(std::wstring(given[k].GetWideString()), L"name" + std::to_wstring(k % kNames)) << k;
	}
}

} // namespace
