// The terminal the user types at, opened to show the option page on.
#ifndef QUILLMERE_HOST_CONTROLLING_TERMINAL_H
#define QUILLMERE_HOST_CONTROLLING_TERMINAL_H

#include <cstdio>
#include <memory>
#include <ostream>
#include <streambuf>
#include <string>

namespace quillmere_host {

// Whether `stream` is a terminal: on Windows a console (NUL counts as a
// character device too, and has no console mode).
bool IsTerminal(std::FILE* stream);

// The page goes where the user is, whatever standard output and error are
// (a file, a pipe to tee, a JSON report): /dev/tty, else the terminal
// standard input is (CONOUT$ on Windows).
class ControllingTerminal
{
public:
	ControllingTerminal();
	~ControllingTerminal();
	ControllingTerminal(const ControllingTerminal&) = delete;
	ControllingTerminal& operator=(const ControllingTerminal&) = delete;

	// False, with `problem` saying why, when there is none to open.
	bool Open(std::string* problem);

	std::FILE* File() const { return m_file; }
	// The same terminal as File(), for text.
	std::ostream& Out() { return m_out; }

private:
	std::FILE* m_file = nullptr;
	std::unique_ptr<std::streambuf> m_buffer;
	std::ostream m_out;
};

} // namespace quillmere_host

#endif
