#include "atomic_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <fstream>
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quillmere_host {

namespace {

std::string TemporaryPattern(const std::string& path)
{
	std::filesystem::path target(path);
	std::filesystem::path folder = target.has_parent_path() ? target.parent_path() : std::filesystem::path(".");
	return (folder / ("." + target.filename().string() + ".tmp-XXXXXX")).string();
}

} // namespace

#ifdef _WIN32

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error)
{
	std::string temporary = TemporaryPattern(path);
	temporary.replace(temporary.size() - 6, 6, std::to_string(GetCurrentProcessId()));
	{
		std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
		out.write(content.data(), static_cast<std::streamsize>(content.size()));
		out.flush();
		if (!out) {
			out.close();
			std::remove(temporary.c_str());
			*error = path + ": cannot write the file";
			return false;
		}
	}
	if (!MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
		std::remove(temporary.c_str());
		*error = path + ": cannot replace the file (Windows error " + std::to_string(GetLastError()) + ")";
		return false;
	}
	return true;
}

#else

bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error)
{
	std::string pattern = TemporaryPattern(path);
	std::vector<char> name(pattern.begin(), pattern.end());
	name.push_back('\0');
	int fd = mkstemp(name.data());
	if (fd < 0) {
		*error = path + ": cannot create a file beside it: " + std::strerror(errno);
		return false;
	}
	std::string temporary(name.data());
	auto fail = [&](const char* what) {
		*error = path + ": " + what + ": " + std::strerror(errno);
		close(fd);
		unlink(temporary.c_str());
		return false;
	};
	size_t written = 0;
	while (written < content.size()) {
		ssize_t n = write(fd, content.data() + written, content.size() - written);
		if (n < 0) {
			if (errno == EINTR) {
				continue;
			}
			return fail("cannot write");
		}
		written += static_cast<size_t>(n);
	}
	// mkstemp makes the file private; a scene file is an ordinary document.
	if (fchmod(fd, 0644) != 0 || fsync(fd) != 0) {
		return fail("cannot write");
	}
	if (close(fd) != 0) {
		*error = path + ": cannot write: " + std::strerror(errno);
		unlink(temporary.c_str());
		return false;
	}
	if (rename(temporary.c_str(), path.c_str()) != 0) {
		*error = path + ": cannot replace the file: " + std::strerror(errno);
		unlink(temporary.c_str());
		return false;
	}
	return true;
}

#endif

bool IsSameFile(const std::string& a, const std::string& b)
{
	std::error_code ignored;
	return std::filesystem::equivalent(a, b, ignored);
}

} // namespace quillmere_host

namespace quillmere_host {

bool ExistsAsNonRegularFile(const std::string& path)
{
	std::error_code ignored;
	std::filesystem::file_status status = std::filesystem::status(path, ignored);
	return std::filesystem::exists(status) && !std::filesystem::is_regular_file(status);
}

} // namespace quillmere_host
