#include "output/atomic_file.h"

#include "support/program_run.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <vector>

#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>

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
}

// What renaming a new file over would harm is refused; the rest is written.
TEST(AtomicFile, LoopsNonRegularFilesAndHardLinksAreRefused_NothingWritten)
{
	using quillmere_host::ReasonNotToReplace;
	TempFolder folder;
	std::string file = folder.Path("a.json");
	WriteFile(file, "{}");
	EXPECT_EQ(ReasonNotToReplace(file), "");
	EXPECT_EQ(ReasonNotToReplace(folder.Path("new.json")), "");
	std::filesystem::create_symlink("gone.json", folder.Path("dangling.json"));
	EXPECT_EQ(ReasonNotToReplace(folder.Path("dangling.json")), ""); // made where it points
	EXPECT_EQ(ReasonNotToReplace(folder.Path("")), "exists and is not a regular file");

	std::filesystem::create_symlink("B", folder.Path("A"));
	std::filesystem::create_symlink("A", folder.Path("B"));
	std::filesystem::create_symlink("self", folder.Path("self"));
	std::filesystem::create_hard_link(file, folder.Path("other-name.json"));
	std::filesystem::create_symlink("other-name.json", folder.Path("to-linked.json"));
	for (const char* name : {"A", "B", "self"}) {
		EXPECT_EQ(ReasonNotToReplace(folder.Path(name)), "is a symbolic link that leads back to itself (a loop)");
	}
	for (const char* name : {"a.json", "other-name.json", "to-linked.json"}) {
		EXPECT_EQ(ReasonNotToReplace(folder.Path(name)),
		          "has 1 other name(s) (hard links), which would keep the old content; write to a file of one name");
	}
	size_t entries = static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}));
	std::string error;
	for (const char* name : {"A", "self", "a.json", "to-linked.json"}) {
		EXPECT_FALSE(quillmere_host::WriteFileAtomically(folder.Path(name), "new", &error)) << name;
		EXPECT_EQ(error.rfind(folder.Path(name) + ": ", 0), 0u) << error;
	}
	EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("A")));
	EXPECT_TRUE(std::filesystem::is_symlink(folder.Path("self")));
	EXPECT_EQ(ReadFile(file), "{}");
	EXPECT_EQ(static_cast<size_t>(std::distance(std::filesystem::directory_iterator(folder.Path("")), {})), entries);
}

// A replaced file keeps its owner, its group and every bit of its mode: the
// set-user-ID and set-group-ID bits a change of owner would clear, the
// sticky bit. As root the new file is given back to its owner and group,
// whichever of the two differ from root's; as anyone else the file is their
// own, in a group of theirs.
TEST(AtomicFile, AReplacedFileKeepsItsOwnerGroupAndModeBits)
{
	struct Kept {
		uid_t owner;
		gid_t group;
		mode_t mode;
	};
	std::vector<Kept> cases;
	if (quillmere_tests::RunningAsRoot()) {
		cases = {
		    {4242, 4343, 0600},  // another user's, their group
		    {0, 4343, 0644},     // root's, with only the group changed
		    {4242, 0, 0644},     // another user's, in root's group
		    {0, 4343, 02644},    // set-group-ID, in a group root isn't in
		    {0, 4343, 02755},    // the same, group-executable: a change of group clears it
		    {4242, 4343, 04755}, // set-user-ID, given away
		    {0, 0, 01644},       // sticky
		    {4242, 4343, 07755}, // all three
		};
	} else {
		cases = {{geteuid(), getegid(), 0600}, {geteuid(), getegid(), 02644}, {geteuid(), getegid(), 01644}};
	}
	for (const Kept& kept : cases) {
		TempFolder folder;
		std::string path = folder.Path("scene.json");
		WriteFile(path, "old");
		ASSERT_EQ(chown(path.c_str(), kept.owner, kept.group), 0);
		ASSERT_EQ(chmod(path.c_str(), kept.mode), 0);
		quillmere_host::AtomicFile file;
		std::string error;
		ASSERT_TRUE(file.Open(path, &error) && file.Write("new", 3, &error) && file.Commit(&error)) << error;
		EXPECT_EQ(file.Note(), "");
		struct stat info;
		ASSERT_EQ(stat(path.c_str(), &info), 0);
		EXPECT_EQ(info.st_uid, kept.owner) << std::oct << kept.mode;
		EXPECT_EQ(info.st_gid, kept.group) << std::oct << kept.mode;
		EXPECT_EQ(info.st_mode & 07777, kept.mode) << std::oct << kept.mode;
		EXPECT_EQ(ReadFile(path), "new");
	}
}

// A POSIX ACL as the system stores it in system.posix_acl_access: a
// version, then each entry's tag, permissions and user or group.
struct AclEntry {
	uint16_t tag; // 1 the owner, 2 a user, 4 the group, 16 the mask, 32 others
	uint16_t permissions;
	uint32_t id;
};

std::string Acl(std::initializer_list<AclEntry> entries)
{
	std::string blob;
	auto put = [&blob](uint32_t value, int bytes) {
		for (int i = 0; i < bytes; ++i) {
			blob += static_cast<char>((value >> (8 * i)) & 0xff);
		}
	};
	put(2, 4);
	for (const AclEntry& entry : entries) {
		put(entry.tag, 2);
		put(entry.permissions, 2);
		put(entry.id, 4);
	}
	return blob;
}

std::string Attribute(const std::string& path, const char* name)
{
	char value[256];
	ssize_t size = getxattr(path.c_str(), name, value, sizeof(value));
	return size < 0 ? "(none)" : std::string(value, static_cast<size_t>(size));
}

// A replaced file keeps every extended attribute it had: a note of the
// user's, and its ACL, which holds access for users the mode doesn't name
// and keeps the group to what the ACL gives it (the mode's group bits are
// the ACL's mask). A file that had no ACL gets none from its folder's
// default ACL either.
TEST(AtomicFile, AReplacedFileKeepsItsExtendedAttributes_ItsAclAmongThem)
{
	const uint32_t kNone = 0xffffffff;
	TempFolder folder;
	std::string scene = folder.Path("scene.json");
	std::string plain = folder.Path("plain.json");
	WriteFile(scene, "old");
	WriteFile(plain, "old");
	ASSERT_EQ(chmod(scene.c_str(), 0644), 0);
	ASSERT_EQ(chmod(plain.c_str(), 0640), 0);
	// user::rw-, user:nobody:rw-, group::r--, mask::rw-, other::r--
	const std::string acl = Acl({{1, 6, kNone}, {2, 6, 65534}, {4, 4, kNone}, {16, 6, kNone}, {32, 4, kNone}});
	ASSERT_EQ(setxattr(scene.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0), 0) << strerror(errno);
	ASSERT_EQ(setxattr(scene.c_str(), "user.origin", "rig v2", 6, 0), 0) << strerror(errno);
	const std::string inherited = Acl({{1, 7, kNone}, {2, 7, 4242}, {4, 7, kNone}, {16, 7, kNone}, {32, 7, kNone}});
	ASSERT_EQ(setxattr(folder.Path("").c_str(), "system.posix_acl_default", inherited.data(), inherited.size(), 0), 0);

	for (const std::string& path : {scene, plain}) {
		std::string error;
		ASSERT_TRUE(quillmere_host::WriteFileAtomically(path, "new", &error)) << error;
		EXPECT_EQ(ReadFile(path), "new");
	}
	EXPECT_EQ(Attribute(scene, "system.posix_acl_access"), acl);
	EXPECT_EQ(Attribute(scene, "user.origin"), "rig v2");
	EXPECT_EQ(ModeOf(scene), 0664u); // the group's bits are the mask, not more
	EXPECT_EQ(Attribute(plain, "system.posix_acl_access"), "(none)");
	EXPECT_EQ(ModeOf(plain), 0640u);
	EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path("")), {}), 2);
}

} // namespace
