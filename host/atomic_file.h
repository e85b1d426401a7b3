// Writing a file so that it is either all new or as it was, never half written.
#ifndef QUILLMERE_HOST_ATOMIC_FILE_H
#define QUILLMERE_HOST_ATOMIC_FILE_H

#include <string>

namespace quillmere_host {

// Written a piece at a time into a temporary file beside the destination,
// which Commit flushes to disk and renames over it. Until then the
// destination is untouched; a writer dropped without Commit, or one whose
// write fails (a full disk, a file-size limit), removes the temporary file.
// Each failing call gives false and the reason in `error`. A destination
// that is a symbolic link is written where the link points, the link kept;
// one ReasonNotToReplace refuses is not written. A file replaced keeps its
// permissions, and its owner and group where the program may set them
// (Note says what was not kept); a new one gets the usual permissions less
// the umask.
class AtomicFile
{
public:
	AtomicFile() = default;
	~AtomicFile();
	AtomicFile(const AtomicFile&) = delete;
	AtomicFile& operator=(const AtomicFile&) = delete;

	bool Open(const std::string& path, std::string* error);
	bool Write(const char* data, size_t size, std::string* error);
	bool Commit(std::string* error);
	// After Commit: what of the replaced file could not be kept (its owner,
	// its group), in words; empty when all was.
	const std::string& Note() const { return m_note; }

private:
	void Abandon();
	void KeepOwner(int fd);

	std::string m_path;   // as the caller named it, for messages
	std::string m_target; // the file written: the destination, through its links
	std::string m_temporary;
	std::string m_note;
	unsigned m_mode = 0;
	bool m_replacing = false;
	unsigned long m_owner = 0;
	unsigned long m_group = 0;
#ifdef _WIN32
	void* m_file = nullptr;
#else
	int m_fd = -1;
#endif
};

// The whole of `content` at once.
bool WriteFileAtomically(const std::string& path, const std::string& content, std::string* error);

// True when both paths name the same existing file.
bool IsSameFile(const std::string& a, const std::string& b);

// Why writing `path` by renaming a new file over it would do harm, or ""
// when it would not: a symbolic link that leads back to itself (a loop),
// something other than a regular file (a folder, a device), or a file with
// other names (hard links), which would keep the old content.
std::string ReasonNotToReplace(const std::string& path);

} // namespace quillmere_host

#endif
