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

mode_t ModeOf(const std::string& path)
{
	struct stat info;
	return stat(path.c_str(), &info) == 0 ? info.st_mode & 0777 : 0;
}

TEST(AtomicFile, AReplacedFileKeepsItsPermissions_ANewOneFollowsTheUmask)
{
	TempFolder folder;
	std::string secret = folder.Path("private.json");
	WriteFile(secret, "old");
	chmod(secret.c_str(), 0600);
	std::string error;
	ASSERT_TRUE(quillmere_host::WriteFileAtomically(secret, "new", &error)) << error;
	EXPECT_EQ(ModeOf(secret), 0600u);

	mode_t previous = umask(027);
	bool written = quillmere_host::WriteFileAtomically(folder.Path("new.json"), "x", &error);
	umask(previous);
	ASSERT_TRUE(written) << error;
	EXPECT_EQ(ModeOf(folder.Path("new.json")), 0640u);
}

TEST(AtomicFile, ALinkIsWrittenThrough_AndStaysALink)
{
	TempFolder folder;
	std::string target = folder.Path("target.json");
	std::string link = folder.Path("link.json");
	WriteFile(target, "old");
	std::filesystem::create_symlink("target.json", link); // relative, as links often are
	std::string error;
	ASSERT_TRUE(quillmere_host::WriteFileAtomically(link, "new", &error)) << error;
	EXPECT_TRUE(std::filesystem::is_symlink(link));
	EXPECT_EQ(ReadFile(target), "new");

	// A dangling link: the file it names is made.
	std::filesystem::create_symlink(folder.Path("made.json"), folder.Path("dangling.json"));
	ASSERT_TRUE(quillmere_host::WriteFileAtomically(folder.Path("dangling.json"), "made", &error)) << error;
	EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("dangling.json")));
	EXPECT_EQ(ReadFile(folder.Path("made.json")), "made");
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 4) << "a temporary was left";
}

TEST(AtomicFile, ANameAsLongAsTheFileSystemAllows)
{
	TempFolder folder;
	std::string longest = folder.Path(std::string(255, 'n'));
	std::string error;
	ASSERT_TRUE(quillmere_host::WriteFileAtomically(longest, "x", &error)) << error;
	EXPECT_EQ(ReadFile(longest), "x");
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 1);
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
