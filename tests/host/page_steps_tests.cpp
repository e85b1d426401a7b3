#include "program_errors.h"
#include "page_steps.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::PageStep;
using quillmere_host::ParsePageSteps;

TEST(PageSteps, ButtonsValuesAndTheClosingAnswer)
{
	std::vector<PageStep> steps = ParsePageSteps("  AllOff\tOri=on\nDir=off  Cancel ");
	ASSERT_EQ(steps.size(), 4u);
	EXPECT_EQ(steps[0].kind, PageStep::Click);
	EXPECT_EQ(steps[0].name, L"AllOff");
	EXPECT_EQ(steps[0].column, 3u);
	EXPECT_EQ(steps[1].kind, PageStep::Set);
	EXPECT_TRUE(steps[1].value);
	EXPECT_FALSE(steps[2].value);
	EXPECT_EQ(steps[3].kind, PageStep::Cancel);
	EXPECT_EQ(ParsePageSteps("OK").size(), 1u);
	// The closing answers in any case, as the interactive page takes them.
	EXPECT_EQ(ParsePageSteps("AllOn ok")[1].kind, PageStep::Ok);
	EXPECT_EQ(ParsePageSteps("CANCEL")[0].kind, PageStep::Cancel);
}

TEST(PageSteps, RefusedWithTheColumnOfTheStep)
{
	const std::pair<const char*, const char*> bad[] = {
	    {"", "--page:1:"},      {"Pos=on", "--page:7:"},    {"Pos=yes OK", "--page:1:"}, {"=on OK", "--page:1:"},
	    {"OK OK", "--page:4:"}, {"All-On OK", "--page:1:"}, {"AllOn", "--page:6:"},      {"Pos=ON OK", "--page:1:"},
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

} // namespace
