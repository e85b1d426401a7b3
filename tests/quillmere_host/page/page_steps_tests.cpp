#include "base/program_errors.h"
#include "page/page_steps.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::PageStep;
using quillmere_host::ParsePageSteps;
using quillmere_host::SplitPageSteps;

TEST(PageSteps, NamesValuesAndTheClosingAnswer_InAnyCase)
{
	std::vector<PageStep> steps = ParsePageSteps("  AllOff\tOri=on\nDir=OFF Position  Cancel ");
	ASSERT_EQ(steps.size(), 5u);
	EXPECT_EQ(steps[0].kind, PageStep::Name);
	EXPECT_EQ(steps[0].name, L"AllOff");
	EXPECT_EQ(steps[0].column, 3u);
	EXPECT_EQ(steps[1].kind, PageStep::Set);
	EXPECT_TRUE(steps[1].value);
	EXPECT_EQ(steps[2].name, L"Dir");
	EXPECT_FALSE(steps[2].value);
	// A name is looked up on the page, not here: a label is as good as a name.
	EXPECT_EQ(steps[3].kind, PageStep::Name);
	EXPECT_EQ(steps[3].name, L"Position");
	EXPECT_EQ(steps[4].kind, PageStep::Cancel);
	EXPECT_EQ(ParsePageSteps("OK").size(), 1u);
	EXPECT_EQ(ParsePageSteps("AllOn ok")[1].kind, PageStep::Ok);
	EXPECT_EQ(ParsePageSteps("CANCEL")[0].kind, PageStep::Cancel);
	EXPECT_TRUE(ParsePageSteps("pos=On Ok")[0].value);
}

TEST(PageSteps, RefusedWithTheColumnOfTheStep)
{
	const std::pair<const char*, const char*> bad[] = {
	    {"", "--page:1:"},        {"Pos=on", "--page:7:"},       {"Pos=yes OK", "--page:1:"},
	    {"=on OK", "--page:1:"},  {"OK OK", "--page:4:"},        {"AllOn", "--page:6:"},
	    {"Pos= OK", "--page:1:"}, {"OK Pos=maybe", "--page:4:"}, {"Pos=on=off OK", "--page:1:"},
	};
	for (const auto& entry : bad) {
		try {
			ParsePageSteps(entry.first);
			ADD_FAILURE() << "accepted: " << entry.first;
		} catch (const quillmere_host::InputError& error) {
			EXPECT_EQ(std::string(error.what()).rfind(entry.second, 0), 0u) << entry.first << ": " << error.what();
		}
	}
}

TEST(PageSteps, SplitCarriesEachWordsProblemInsteadOfThrowing)
{
	// As a line typed at the terminal: no closing answer needed.
	std::vector<PageStep> steps = SplitPageSteps("AllOff Pos=maybe OK Ori");
	ASSERT_EQ(steps.size(), 4u);
	EXPECT_TRUE(steps[0].problem.empty());
	EXPECT_EQ(steps[1].problem, "a parameter is set to on or off");
	EXPECT_TRUE(steps[2].problem.empty());
	EXPECT_EQ(steps[3].problem, "nothing may follow OK");
	EXPECT_EQ(steps[3].column, 21u);
	EXPECT_TRUE(SplitPageSteps(" \t ").empty());
}

} // namespace
