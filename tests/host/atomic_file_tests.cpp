#include "atomic_file.h"

#include "support/program_run.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>

namespace {

using quillmere_tests::ReadFile;
using quillmere_tests::TempFolder;
using quillmere_tests::WriteFile;

TEST(AtomicFile, CreatesOrReplacesWholly_LeavesNoTemporaryBehind)
{
	TempFolder folder;
	std::string path = folder.Path("scene.json");
	std::string error;
	ASSERT_TRUE(quillmere_host::WriteFileAtomically(path, "first\n", &error)) << error;
	EXPECT_EQ(ReadFile(path), "first\n");
	ASSERT_TRUE(quillmere_host::WriteFileAtomically(path, std::string(100000, 'x'), &error)) << error;
	EXPECT_EQ(ReadFile(path).size(), 100000u);
	struct stat info;
	ASSERT_EQ(stat(path.c_str(), &info), 0);
	EXPECT_EQ(info.st_mode & 0777, 0644u); // an ordinary document, not a private temporary
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1);

	EXPECT_FALSE(quillmere_host::WriteFileAtomically(folder.Path("missing/scene.json"), "x", &error));
	EXPECT_NE(error.find("missing/scene.json"), std::string::npos) << error;
}

TEST(AtomicFile, SameFileSeesThroughOtherSpellingsAndLinks)
{
	TempFolder folder;
	std::string path = folder.Path("a.json");
	WriteFile(path, "{}");
	std::filesystem::create_symlink(path, folder.Path("link.json"));
	EXPECT_TRUE(quillmere_host::IsSameFile(path, folder.Path("link.json")));
	EXPECT_TRUE(quillmere_host::IsSameFile(path, folder.Path("./a.json")));
	EXPECT_FALSE(quillmere_host::IsSameFile(path, folder.Path("b.json")));
	EXPECT_TRUE(quillmere_host::ExistsAsNonRegularFile(folder.Path("")));
	EXPECT_FALSE(quillmere_host::ExistsAsNonRegularFile(path));
	EXPECT_FALSE(quillmere_host::ExistsAsNonRegularFile(folder.Path("b.json")));
}

} // namespace
