// Writing a file so that it is either all new or as it was, never half written.
#ifndef QUILLMERE_HOST_ATOMIC_FILE_H
#define QUILLMERE_HOST_ATOMIC_FILE_H

#ifndef _WIN32
#include "output/temporary_file.h"
#endif

#include <string>

namespace quillmere_host {

// Written a piece at a time into a temporary file beside the destination,
// which Commit flushes to disk and renames over it. Until then the
// destination is untouched; a writer dropped without Commit, or one whose
// write fails (a full disk, a file-size limit), removes the temporary file,
// and so does a signal that ends the program meanwhile (TemporaryFile).
// Each failing call gives false and the reason in `error`. A destination
// that is a symbolic link is written where the link points, the link kept;
// one ReasonCannotWrite refuses is not written. A file replaced keeps its
// permissions, its extended attributes (its ACL among them: Commit fails,
// the file as it was, when one can't be kept), and its owner and group where
// the program may set them (Note says what was not kept); a new one gets the
// usual permissions less the umask.
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
	bool KeepAttributes(int fd, std::string* error);

	std::string m_path;   // as the caller named it, for messages
	std::string m_target; // the file written: the destination, through its links
#ifdef _WIN32
	std::string m_temporary;
#else
	TemporaryFile m_temporary;
#endif
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

// Why `path` can't or mustn't be written, or "": ReasonNotToReplace's
// reasons, a folder that does not exist (or is not one), a folder this user
// may not make files in (the new file is made there), a file this user may
// not write (mode 0444 as an ordinary user: a rename would replace it all
// the same, needing only the folder), another user's file in a sticky
// folder, which this user may write but not rename over; on Windows, a
// device's name or a file's stream (WindowsNameProblem). Through symbolic
// links, as written.
std::string ReasonCannotWrite(const std::string& path);

} // namespace quillmere_host

#endif
