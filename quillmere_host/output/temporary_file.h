// A temporary file that a signal ending the program does not leave behind.
#ifndef QUILLMERE_HOST_TEMPORARY_FILE_H
#define QUILLMERE_HOST_TEMPORARY_FILE_H

#include <string>

namespace quillmere_host {

// Made from a mkstemp pattern, then renamed over its destination or removed.
// For as long as it exists, every signal that would end the program and can
// be caught (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE, SIGALRM, the user
// signals, the faults SIGSEGV, SIGBUS, SIGILL, SIGFPE, SIGTRAP and SIGSYS,
// SIGSTKFLT, the real-time signals, ...) removes it first, with calls safe in
// a signal handler only, and then ends the program as it would have, so the
// exit status still says which signal. The handlers are there only for the file's life:
// the ones found are put back after, and a signal the program ignores stays
// ignored. Making, renaming and removing hold those signals back, so none
// finds the file made but not yet known here. One at a time: a second, made
// while one exists, is not guarded. (POSIX only; the Windows build writes
// its temporary file without it.)
class TemporaryFile
{
public:
	TemporaryFile() = default;
	~TemporaryFile();
	TemporaryFile(const TemporaryFile&) = delete;
	TemporaryFile& operator=(const TemporaryFile&) = delete;

	// The file's descriptor, open for writing, or -1 with errno saying why.
	int Make(const std::string& pattern);
	// False with errno saying why; the file is then still there, to Remove.
	bool RenameTo(const std::string& destination);
	void Remove();

private:
	void Forget();

	std::string m_name;
	bool m_exists = false;
	bool m_guarded = false;
};

} // namespace quillmere_host

#endif
