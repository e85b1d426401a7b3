#include "atomic_file.h"

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
// file they name, which may not exist yet.
std::string ThroughLinks(const std::string& path)
{
	std::filesystem::path current(path);
	for (int hops = 0; hops < 40; ++hops) { // past that, a loop: the write will fail on it
		std::error_code error;
		if (!std::filesystem::is_symlink(std::filesystem::symlink_status(current, error))) {
			break;
		}
		std::filesystem::path target = std::filesystem::read_symlink(current, error);
		if (error) {
			break;
		}
		current = target.is_absolute() ? target : current.parent_path() / target;
	}
	return current.string();
}
#endif

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
	m_temporary = TemporaryPattern(path);
	m_temporary.replace(m_temporary.size() - 6, 6, std::to_string(GetCurrentProcessId()));
	m_file = std::fopen(m_temporary.c_str(), "wb");
	if (m_file == nullptr) {
		*error = path + ": cannot create a file beside it: " + std::strerror(errno);
		return false;
	}
	return true;
}

bool AtomicFile::Write(const char* data, size_t size, std::string* error)
{
	if (std::fwrite(data, 1, size, static_cast<std::FILE*>(m_file)) != size) {
		*error = m_path + ": cannot write the file";
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
		*error = m_path + ": cannot write the file";
		std::remove(m_temporary.c_str());
		return false;
	}
	if (!MoveFileExA(m_temporary.c_str(), m_path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
		std::remove(m_temporary.c_str());
		*error = m_path + ": cannot replace the file (Windows error " + std::to_string(GetLastError()) + ")";
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
	m_target = ThroughLinks(path);
	struct stat existing;
	if (stat(m_target.c_str(), &existing) == 0) {
		m_mode = existing.st_mode & 07777; // a private file stays private
	} else {
		mode_t mask = umask(0);
		umask(mask);
		m_mode = 0666 & ~mask;
	}
	std::string pattern = TemporaryPattern(m_target);
	std::vector<char> name(pattern.begin(), pattern.end());
	name.push_back('\0');
	m_fd = mkstemp(name.data());
	if (m_fd < 0) {
		*error = path + ": cannot create a file beside it: " + std::strerror(errno);
		return false;
	}
	m_temporary = name.data();
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
			*error = m_path + ": cannot write: " + std::strerror(errno);
			Abandon();
			return false;
		}
		written += static_cast<size_t>(n);
	}
	return true;
}

bool AtomicFile::Commit(std::string* error)
{
	// mkstemp makes the file private: it gets the permissions it is to have.
	if (fchmod(m_fd, static_cast<mode_t>(m_mode)) != 0 || fsync(m_fd) != 0) {
		*error = m_path + ": cannot write: " + std::strerror(errno);
		Abandon();
		return false;
	}
	int fd = m_fd;
	m_fd = -1;
	if (close(fd) != 0) {
		*error = m_path + ": cannot write: " + std::strerror(errno);
		unlink(m_temporary.c_str());
		return false;
	}
	if (rename(m_temporary.c_str(), m_target.c_str()) != 0) {
		*error = m_path + ": cannot replace the file: " + std::strerror(errno);
		unlink(m_temporary.c_str());
		return false;
	}
	return true;
}

void AtomicFile::Abandon()
{
	if (m_fd >= 0) {
		close(m_fd);
		m_fd = -1;
		unlink(m_temporary.c_str());
	}
}

#endif

bool IsSameFile(const std::string& a, const std::string& b)
{
	std::error_code ignored;
	return std::filesystem::equivalent(a, b, ignored);
}

bool ExistsAsNonRegularFile(const std::string& path)
{
	std::error_code ignored;
	std::filesystem::file_status status = std::filesystem::status(path, ignored);
	return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

} // namespace quillmere_host
