// The --select list: which names a run selects, each once, and where each
// is in the list.
#include "scene_file/selection_list.h"
#include "base/program_errors.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using quillmere_host::InputError;

TEST(SelectionList, TheSelectionList_EachNameOnceAtItsColumn)
{
	using quillmere_host::ParseSelection;
	std::vector<quillmere_host::SelectedName> names = ParseSelection("arm_L,\xc3\xa9t\xc3\xa9,sword");
	ASSERT_EQ(names.size(), 3u);
	EXPECT_EQ(names[1].name, "\xc3\xa9t\xc3\xa9");
	EXPECT_EQ(names[1].column, 7u);
	EXPECT_EQ(names[2].column, 11u); // characters, not bytes
	EXPECT_TRUE(ParseSelection("").empty());
	const std::pair<const char*, const char*> refused[] = {
	    {"a,,b", "--select:3: an empty name"},
	    {",a", "--select:1: an empty name"},
	    {"a,", "--select:3: an empty name"},
	    {"\xc3\xa9,a,\xc3\xa9", "--select:5: \"\xc3\xa9\" is named twice (first at column 1)"},
	    {"a,A,a", "--select:5: \"a\" is named twice"}, // names are exact: "A" is another
	};
	for (const auto& entry : refused) {
		try {
			ParseSelection(entry.first);
			ADD_FAILURE() << "taken: " << entry.first;
		} catch (const InputError& error) {
			EXPECT_EQ(std::string(error.what()).rfind(entry.second, 0), 0u) << entry.first << ": " << error.what();
		}
	}
}

} // namespace
