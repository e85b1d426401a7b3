#include "output/temporary_file.h"

#ifndef _WIN32

#include <cerrno>
#include <vector>

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

namespace quillmere_host {

namespace {

// The signals a program is sent whose default is to end it. Faults (SIGSEGV
// and the like) are the program's own doing, left to whoever handles them.
const int kEndingSignals[] = {
    SIGHUP,  SIGINT,  SIGQUIT, SIGTERM,   SIGUSR1, SIGUSR2, SIGALRM,
    SIGPIPE, SIGABRT, SIGXCPU, SIGVTALRM, SIGPROF, SIGXFSZ,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
};
const size_t kSignalCount = sizeof(kEndingSignals) / sizeof(kEndingSignals[0]);

// What the handler reaches: the file to remove (set only with the signals
// held), and what each signal did before.
const char* volatile g_file = nullptr;
bool g_guarding = false;
struct sigaction g_previous[kSignalCount];
bool g_replaced[kSignalCount];

extern "C" void RemoveFileAndEnd(int signal)
{
	int savedErrno = errno;
	const char* file = g_file;
	if (file != nullptr) {
		unlink(file);
		g_file = nullptr;
	}
	for (size_t i = 0; i < kSignalCount; ++i) {
		if (kEndingSignals[i] == signal) {
			sigaction(signal, &g_previous[i], nullptr);
		}
	}
	// Held until this handler returns, then taken as it would have been.
	raise(signal);
	errno = savedErrno;
}

sigset_t EndingSignals()
{
	sigset_t set;
	sigemptyset(&set);
	for (int signal : kEndingSignals) {
		sigaddset(&set, signal);
	}
	return set;
}

// The ending signals wait while it lives; errno is left as it was found.
class HeldSignals
{
public:
	HeldSignals()
	{
		sigset_t set = EndingSignals();
		sigprocmask(SIG_BLOCK, &set, &m_before);
	}
	~HeldSignals()
	{
		int savedErrno = errno;
		sigprocmask(SIG_SETMASK, &m_before, nullptr);
		errno = savedErrno;
	}
	HeldSignals(const HeldSignals&) = delete;
	HeldSignals& operator=(const HeldSignals&) = delete;

private:
	sigset_t m_before;
};

void InstallHandlers()
{
	struct sigaction action = {};
	action.sa_handler = RemoveFileAndEnd;
	action.sa_mask = EndingSignals();
	action.sa_flags = SA_RESTART; // a handler found before and put back may let the write go on
	for (size_t i = 0; i < kSignalCount; ++i) {
		sigaction(kEndingSignals[i], nullptr, &g_previous[i]);
		g_replaced[i] = g_previous[i].sa_handler != SIG_IGN; // nohup stays nohup
		if (g_replaced[i]) {
			sigaction(kEndingSignals[i], &action, nullptr);
		}
	}
}

void RestoreHandlers()
{
	for (size_t i = 0; i < kSignalCount; ++i) {
		if (g_replaced[i]) {
			sigaction(kEndingSignals[i], &g_previous[i], nullptr);
		}
	}
}

} // namespace

TemporaryFile::~TemporaryFile()
{
	Remove();
}

int TemporaryFile::Make(const std::string& pattern)
{
	Remove();
	HeldSignals held;
	std::vector<char> name(pattern.begin(), pattern.end());
	name.push_back('\0');
	if (!g_guarding) {
		InstallHandlers();
		g_guarding = true;
		m_guarded = true;
	}
	int fd = mkstemp(name.data());
	if (fd < 0) {
		Forget();
		return -1;
	}
	m_name = name.data();
	m_exists = true;
	if (m_guarded) {
		g_file = m_name.c_str();
	}
	return fd;
}

bool TemporaryFile::RenameTo(const std::string& destination)
{
	HeldSignals held;
	if (!m_exists || rename(m_name.c_str(), destination.c_str()) != 0) {
		return false;
	}
	Forget();
	return true;
}

void TemporaryFile::Remove()
{
	HeldSignals held;
	if (m_exists) {
		unlink(m_name.c_str());
	}
	Forget();
}

void TemporaryFile::Forget()
{
	int savedErrno = errno;
	m_exists = false;
	if (m_guarded) {
		g_file = nullptr;
		RestoreHandlers();
		g_guarding = false;
		m_guarded = false;
	}
	errno = savedErrno;
}

} // namespace quillmere_host

#endif
