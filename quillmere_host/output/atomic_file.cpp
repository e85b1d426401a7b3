#include "output/atomic_file.h"

#include "base/quoted_text.h"
#include "output/extended_attributes.h"
#include "output/windows_file_names.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillmere_host {

namespace {

// A name beside `path` for the temporary file, within the 255 bytes a file
// name may have: a long name is shortened, not refused.
std::string TemporaryPattern(const std::string& path)
{
	const size_t kMaxName = 255;
	const std::string kSuffix = ".tmp-XXXXXX";
	std::filesystem::path target(path);
	std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
	std::string name = target.filename().string();
	if (1 + name.size() + kSuffix.size() > kMaxName) {
		name.resize(kMaxName - 1 - kSuffix.size());
	}
	return (folder / ("." + name + kSuffix)).string();
}

#ifndef _WIN32
// Where a write to `path` lands: through its symbolic links, if any, to the
// file they name, which may not exist yet; `lastLink` gets the last link's
// own text (empty when `path` is no link), which messages name it by. False
// for a loop, which no write can land in: renamed over, its first link would
// be replaced.
bool ThroughLinks(const std::string& path, std::string* target, std::string* lastLink = nullptr)
{
	const int kMostHops = 40; // as the system itself follows
	std::filesystem::path current(path);
	for (int hops = 0; hops <= kMostHops; ++hops) {
		std::error_code error;
		if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
			*target = current.string();
			return true;
		}
		std::filesystem::path next = std::filesystem::read_symlink(current, error);
		if (error) {
			return false;
		}
		if (lastLink != nullptr) {
			*lastLink = next.string();
		}
		current = next.is_absolute() ? next : current.parent_path() / next;
	}
	return false;
}
#endif

// The folder part of a path as it was written: the text up to its last
// separator, as typed ("w/../ro" of "w/../ro/x.json", "./ro" of
// "./ro//x.json"); empty for a bare name, which is in the current folder.
// Messages name folders so, never by a path the program put together.
std::string FolderAsWritten(const std::string& path)
{
#ifdef _WIN32
	const char* const kSeparators = "/\\";
#else
	const char* const kSeparators = "/";
#endif
	size_t last = path.find_last_of(kSeparators);
	if (last == std::string::npos) {
		return std::string();
	}
	size_t end = path.find_last_not_of(kSeparators, last);
	return end == std::string::npos ? path.substr(0, 1) : path.substr(0, end + 1);
}

const char* const kLoop = "is a symbolic link that leads back to itself (a loop)";

} // namespace

AtomicFile::~AtomicFile()
{
	Abandon();
}

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error)
{
	AtomicFile file;
	return file.Open(path, error) && file.Write(content.data(), content.size(), error) && file.Commit(error);
}

#ifdef _WIN32

bool AtomicFile::Open(const std::string& path, std::string* error)
{
	m_path = path;
	std::string refused = ReasonCannotWrite(path);
	if (!refused.empty()) {
		*error = Excerpt(path) + ": " + refused;
		return false;
	}
	m_temporary = TemporaryPattern(path);
	m_temporary.replace(m_temporary.size() - 6, 6, std::to_string(GetCurrentProcessId()));
	m_file = std::fopen(m_temporary.c_str(), "wb");
	if (m_file == nullptr) {
		*error = Excerpt(path) + ": cannot create a file beside it: " + std::strerror(errno);
		return false;
	}
	return true;
}

bool AtomicFile::Write(const char* data, size_t size, std::string* error)
{
	if (std::fwrite(data, 1, size, static_cast<std::FILE*>(m_file)) != size) {
		*error = Excerpt(m_path) + ": cannot write the file";
		Abandon();
		return false;
	}
	return true;
}

bool AtomicFile::Commit(std::string* error)
{
	std::FILE* file = static_cast<std::FILE*>(m_file);
	m_file = nullptr;
	if (std::fflush(file) != 0 || std::fclose(file) != 0) {
		*error = Excerpt(m_path) + ": cannot write the file";
		std::remove(m_temporary.c_str());
		return false;
	}
	if (!MoveFileExA(m_temporary.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
		std::remove(m_temporary.c_str());
		*error = Excerpt(m_path) + ": cannot replace the file (Windows error " + std::to_string(GetLastError()) + ")";
		return false;
	}
	return true;
}

void AtomicFile::Abandon()
{
	if (m_file != nullptr) {
		std::fclose(static_cast<std::FILE*>(m_file));
		m_file = nullptr;
		std::remove(m_temporary.c_str());
	}
}

#else

bool AtomicFile::Open(const std::string& path, std::string* error)
{
	m_path = path;
	std::string refused = ReasonCannotWrite(path);
	if (!refused.empty() || !ThroughLinks(path, &m_target)) {
		*error = Excerpt(path) + ": " + (refused.empty() ? std::string(kLoop) : refused);
		return false;
	}
	struct stat existing;
	if (stat(m_target.c_str(), &existing) == 0) {
		m_mode = existing.st_mode & 07777; // a private file stays private
		m_replacing = true;
		m_owner = existing.st_uid;
		m_group = existing.st_gid;
	} else {
		mode_t mask = umask(0);
		umask(mask);
		m_mode = 0666 & ~mask;
	}
	m_fd = m_temporary.Make(TemporaryPattern(m_target));
	if (m_fd < 0) {
		*error = Excerpt(path) + ": cannot create a file beside it: " + std::strerror(errno);
		return false;
	}
	return true;
}

bool AtomicFile::Write(const char* data, size_t size, std::string* error)
{
	size_t written = 0;
	while (written < size) {
		ssize_t n = write(m_fd, data + written, size - written);
		if (n < 0) {
			if (errno == EINTR) {
				continue;
			}
			// EFBIG too: the program ignores SIGXFSZ, so a file-size limit is
			// an error here like a full disk, not a death.
			*error = Excerpt(m_path) + ": cannot write: " + std::strerror(errno);
			Abandon();
			return false;
		}
		written += static_cast<size_t>(n);
	}
	return true;
}

bool AtomicFile::Commit(std::string* error)
{
	if (m_replacing) {
		KeepOwner(m_fd);
		// After the owner, whose change drops a capability; before the mode,
		// which an ACL put on would otherwise change.
		if (!KeepAttributes(m_fd, error)) {
			Abandon();
			return false;
		}
	}
	// mkstemp makes the file private: it gets the permissions it is to have
	// (after the owner, whose change clears set-user-ID).
	if (fchmod(m_fd, static_cast<mode_t>(m_mode)) != 0 || fsync(m_fd) != 0) {
		*error = Excerpt(m_path) + ": cannot write: " + std::strerror(errno);
		Abandon();
		return false;
	}
	int fd = m_fd;
	m_fd = -1;
	if (close(fd) != 0) {
		*error = Excerpt(m_path) + ": cannot write: " + std::strerror(errno);
		m_temporary.Remove();
		return false;
	}
	if (!m_temporary.RenameTo(m_target)) {
		*error = Excerpt(m_path) + ": cannot replace the file: " + std::strerror(errno);
		m_temporary.Remove();
		return false;
	}
	return true;
}

void AtomicFile::KeepOwner(int fd)
{
	struct stat made;
	if (fstat(fd, &made) != 0 || (made.st_uid == m_owner && made.st_gid == m_group)) {
		return;
	}
	uid_t owner = static_cast<uid_t>(m_owner);
	gid_t group = static_cast<gid_t>(m_group);
	if (fchown(fd, owner, group) == 0) {
		return;
	}
	// Only root gives a file away; its owner may still give it a group of theirs.
	bool groupKept = made.st_gid == group || fchown(fd, static_cast<uid_t>(-1), group) == 0;
	bool ownerKept = made.st_uid == owner;
	std::string lost;
	if (!ownerKept) {
		lost = "its owner (user " + std::to_string(m_owner) + ")";
	}
	if (!groupKept) {
		lost += (lost.empty() ? "its group (group " : " and its group (group ") + std::to_string(m_group) + ")";
	}
	m_note = Excerpt(m_path) + ": written, but " + lost + " could not be kept: the file is now user " +
	         std::to_string(made.st_uid) + "'s, group " + std::to_string(groupKept ? m_group : made.st_gid);
}

bool AtomicFile::KeepAttributes(int fd, std::string* error)
{
	ExtendedAttributes attributes;
	if (!attributes.ReadFrom(m_target)) {
		*error = Excerpt(m_path) + ": cannot read its extended attributes (" + std::strerror(errno) +
		         "), which the new file would lose: not replaced";
		return false;
	}
	std::string refused;
	if (!attributes.PutOn(fd, &refused)) {
		*error = Excerpt(m_path) + ": cannot keep its extended attribute " + Quoted(refused) + " (" +
		         std::strerror(errno) + "): not replaced, the file is as it was";
		return false;
	}
	return true;
}

void AtomicFile::Abandon()
{
	if (m_fd >= 0) {
		close(m_fd);
		m_fd = -1;
		m_temporary.Remove();
	}
}

#endif

bool IsSameFile(const std::string& a, const std::string& b)
{
	std::error_code ignored;
	return std::filesystem::equivalent(a, b, ignored);
}

std::string ReasonNotToReplace(const std::string& path)
{
	std::error_code error;
	std::filesystem::file_status status = std::filesystem::status(path, error);
	if (error == std::errc::too_many_symbolic_link_levels) {
		return kLoop;
	}
	if (!std::filesystem::exists(status)) {
		return std::string();
	}
	if (!std::filesystem::is_regular_file(status)) {
		// Renaming over a device or a folder would destroy it.
		return "exists and is not a regular file";
	}
	// A new file renamed over one name of several would leave the others
	// holding the old content: the scene would be split, not replaced.
	uintmax_t names = std::filesystem::hard_link_count(path, error);
	if (!error && names > 1) {
		return "has " + std::to_string(names - 1) +
		       " other name(s) (hard links), which would keep the old content; write to a file of one name";
	}
	return std::string();
}

std::string ReasonCannotWrite(const std::string& path)
{
#ifdef _WIN32
	// Before anything asks the system about it: opened, NUL and CON are
	// devices, and file.json:notes is a stream of file.json.
	std::string device = WindowsNameProblem(path);
	if (!device.empty()) {
		return device;
	}
#endif
	std::string refused = ReasonNotToReplace(path);
	if (!refused.empty()) {
		return refused;
	}
	std::string target = path;
	// Past a link, the message says where it leads, as the link says it,
	// and names folders from that text.
	std::string lastLink;
#ifndef _WIN32
	if (!ThroughLinks(path, &target, &lastLink)) {
		return kLoop;
	}
#endif
	const std::string lead = lastLink.empty() ? std::string() : "leads to " + Excerpt(lastLink) + ", which ";
	const std::string writtenFolder = FolderAsWritten(lastLink.empty() ? path : lastLink);
	const std::string itsFolder =
	    writtenFolder.empty() ? std::string("the current folder") : "its folder " + Excerpt(writtenFolder);
	std::filesystem::path file(target);
	std::filesystem::path folder = file.has_parent_path() ? file.parent_path() : std::filesystem::path(".");
	std::error_code error;
	std::filesystem::file_status status = std::filesystem::status(folder, error);
	if (!std::filesystem::exists(status)) {
		if (error && error != std::errc::no_such_file_or_directory && error != std::errc::not_a_directory) {
			return lead + "is in " + Excerpt(writtenFolder) + ", which cannot be reached: " + error.message();
		}
		return lead + "is in a folder that does not exist: " + Excerpt(writtenFolder);
	}
	if (!std::filesystem::is_directory(status)) {
		return lead + "is in " + Excerpt(writtenFolder) + ", which is not a folder";
	}
#ifdef _WIN32
	std::filesystem::file_status existing = std::filesystem::status(file, error);
	if (std::filesystem::exists(existing) &&
	    (existing.permissions() & std::filesystem::perms::owner_write) == std::filesystem::perms::none) {
		return lead + "is read-only";
	}
#else
	// The new file is made in the folder, then renamed over the old one.
	if (faccessat(AT_FDCWD, folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0) {
		return lead + "cannot be written: this user may not make files in " + itsFolder + " (" + std::strerror(errno) +
		       ")";
	}
	// The rename needs only the folder: a file its user may not write would
	// be replaced all the same.
	struct stat existing;
	if (stat(target.c_str(), &existing) == 0 && faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0) {
		char mode[16];
		std::snprintf(mode, sizeof(mode), "%04o", static_cast<unsigned>(existing.st_mode & 07777));
		return lead + "is read-only for this user (mode " + mode + ", owned by user " +
		       std::to_string(existing.st_uid) + ")";
	}
	// In a sticky folder (as /tmp) a file may be written by many but
	// renamed over only by its owner, the folder's owner or root.
	struct stat holder;
	if (stat(target.c_str(), &existing) == 0 && stat(folder.c_str(), &holder) == 0 && (holder.st_mode & S_ISVTX) &&
	    geteuid() != 0 && existing.st_uid != geteuid() && holder.st_uid != geteuid()) {
		char mode[16];
		std::snprintf(mode, sizeof(mode), "%o", static_cast<unsigned>(holder.st_mode & 07777));
		return lead + "cannot be replaced by this user: it is user " + std::to_string(existing.st_uid) +
		       "'s, in a sticky folder (mode " + mode +
		       ") whose files only their owner, the folder's owner or root may replace";
	}
#endif
	return std::string();
}

} // namespace quillmere_host
