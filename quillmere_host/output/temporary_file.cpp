#include "output/temporary_file.h"

#ifndef _WIN32

#include <cerrno>
#include <vector>

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

namespace quillmere_host {

namespace {

// The signals whose default is to end the program, and that a handler can
// catch. Faults too (SIGSEGV, SIGBUS, ...): one sent by another process
// leaves the file behind as surely as SIGTERM, and one the program meets
// while writing is still reported as it would have been, since the handler
// puts back what it found before ending by the same signal. The real-time
// signals are added as the handlers are installed: their numbers are the C
// library's to decide.
const int kNamedSignals[] = {
    SIGHUP,    SIGINT,  SIGQUIT, SIGTERM, SIGUSR1, SIGUSR2, SIGALRM, SIGPIPE, SIGABRT, SIGXCPU,
    SIGVTALRM, SIGPROF, SIGXFSZ, SIGSEGV, SIGBUS,  SIGILL,  SIGFPE,  SIGTRAP, SIGSYS,
#ifdef SIGPOLL
    SIGPOLL,
#endif
#ifdef SIGPWR
    SIGPWR,
#endif
#ifdef SIGSTKFLT
    SIGSTKFLT,
#endif
};

// Each signal above, then every real-time one.
template <typename Action> void ForEachEndingSignal(Action action)
{
	for (int signal : kNamedSignals) {
		action(signal);
	}
#if defined(SIGRTMIN) && defined(SIGRTMAX)
	for (int signal = SIGRTMIN; signal <= SIGRTMAX; ++signal) {
		action(signal);
	}
#endif
}

// What the handler reaches, by signal number: the file to remove (set only
// with the signals held), and what each signal did before.
const char* volatile g_file = nullptr;
bool g_guarding = false;
struct sigaction g_previous[NSIG];
bool g_replaced[NSIG];

extern "C" void RemoveFileAndEnd(int signal)
{
	int savedErrno = errno;
	const char* file = g_file;
	if (file != nullptr) {
		unlink(file);
		g_file = nullptr;
	}
	if (signal > 0 && signal < NSIG && g_replaced[signal]) {
		sigaction(signal, &g_previous[signal], nullptr);
	}
	// Held until this handler returns, then taken as it would have been (a
	// fault met here happens again, and is taken so).
	raise(signal);
	errno = savedErrno;
}

sigset_t EndingSignals()
{
	sigset_t set;
	sigemptyset(&set);
	ForEachEndingSignal([&set](int signal) { sigaddset(&set, signal); });
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
	ForEachEndingSignal([&action](int signal) {
		sigaction(signal, nullptr, &g_previous[signal]);
		g_replaced[signal] = g_previous[signal].sa_handler != SIG_IGN; // nohup stays nohup
		if (g_replaced[signal]) {
			sigaction(signal, &action, nullptr);
		}
	});
}

void RestoreHandlers()
{
	ForEachEndingSignal([](int signal) {
		if (g_replaced[signal]) {
			sigaction(signal, &g_previous[signal], nullptr);
			g_replaced[signal] = false;
		}
	});
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
