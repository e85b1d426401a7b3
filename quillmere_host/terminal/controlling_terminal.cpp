// Opening the terminal the user types at (/dev/tty, else the one standard
// input is; the console on Windows), and writing text to it in step with ncurses.
#include "terminal/controlling_terminal.h"

#include <cerrno>
#include <cstring>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace quillmere_host {

namespace {

// Text written straight through to a stdio stream, so that a page drawn
// with ncurses on the same stream and a line prompt's text stay in order.
class FileWriter : public std::streambuf
{
public:
	explicit FileWriter(std::FILE* file) : m_file(file) {}

protected:
	int_type overflow(int_type c) override
	{
		if (traits_type::eq_int_type(c, traits_type::eof())) {
			return traits_type::not_eof(c);
		}
		return std::fputc(c, m_file) == EOF ? traits_type::eof() : c;
	}
	std::streamsize xsputn(const char* text, std::streamsize size) override
	{
		return static_cast<std::streamsize>(std::fwrite(text, 1, static_cast<size_t>(size), m_file));
	}
	int sync() override { return std::fflush(m_file) == 0 ? 0 : -1; }

private:
	std::FILE* m_file;
};

} // namespace

bool IsTerminal(std::FILE* stream)
{
#ifdef _WIN32
	DWORD mode = 0;
	return GetConsoleMode(reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream))), &mode) != 0;
#else
	return isatty(fileno(stream)) != 0;
#endif
}

ControllingTerminal::ControllingTerminal() : m_out(nullptr) {}

ControllingTerminal::~ControllingTerminal()
{
	if (m_file != nullptr) {
		std::fflush(m_file);
		std::fclose(m_file);
	}
}

bool ControllingTerminal::Open(std::string* problem)
{
#ifdef _WIN32
	m_file = std::fopen("CONOUT$", "w");
	const char* name = "CONOUT$";
	int error = errno;
#else
	const char* name = "/dev/tty";
	int error = 0;
	// A terminal that is not this process's controlling one stays so
	// (O_NOCTTY); nothing the plug-in starts inherits it (O_CLOEXEC).
	for (const char* path : {name, static_cast<const char*>(ttyname(STDIN_FILENO))}) {
		int fd = path != nullptr ? open(path, O_RDWR | O_NOCTTY | O_CLOEXEC) : -1;
		if (fd < 0) {
			error = error != 0 ? error : errno;
			continue;
		}
		m_file = fdopen(fd, "r+");
		if (m_file != nullptr) {
			break;
		}
		close(fd);
	}
#endif
	if (m_file == nullptr) {
		*problem = std::string(name) + ": " + std::strerror(error);
		return false;
	}
	m_buffer.reset(new FileWriter(m_file));
	m_out.rdbuf(m_buffer.get());
	return true;
}

} // namespace quillmere_host
