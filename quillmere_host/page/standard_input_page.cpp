// Choosing who answers the page from what standard input is: a terminal,
// the scene file itself, or piped answers.
#include "page/standard_input_page.h"

#include "page/piped_answers.h"
#include "page/terminal_page.h"
#include "terminal/controlling_terminal.h"

#include <iostream>
#include <sstream>

#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace quillmere_host {

namespace {

// True when the scene is read from standard input (/dev/stdin, /proc/self/fd/0).
bool InputIsTheScene(const std::string& scenePath)
{
#ifdef _WIN32
	(void)scenePath;
	return false;
#else
	struct stat input;
	struct stat scene;
	return !scenePath.empty() && fstat(STDIN_FILENO, &input) == 0 && stat(scenePath.c_str(), &scene) == 0 &&
	       input.st_dev == scene.st_dev && input.st_ino == scene.st_ino;
#endif
}

// A page no one can answer is cancelled, as input that ends before OK or
// Cancel cancels it: nothing is deleted that no one confirmed. `why` is the
// reason the run gives on standard error.
std::unique_ptr<host_engine::RecordingPageDriver> Unanswered(const std::string& why)
{
	static std::istringstream nothing;
	return std::unique_ptr<host_engine::RecordingPageDriver>(new PipedAnswersDriver(nothing, why));
}

} // namespace

std::unique_ptr<host_engine::RecordingPageDriver> StandardInputPageDriver(const std::string& scenePath)
{
	if (IsTerminal(stdin)) {
		std::unique_ptr<ControllingTerminal> terminal(new ControllingTerminal);
		std::string problem;
		if (terminal->Open(&problem)) {
			return std::unique_ptr<host_engine::RecordingPageDriver>(new TerminalPageDriver(std::move(terminal)));
		}
		// A terminal that can't be opened (a tty of another user's).
		return Unanswered("cannot open the terminal to show the option page on (" + problem + ")");
	}
	if (InputIsTheScene(scenePath)) {
		return Unanswered("standard input is the scene file, which carries no answers");
	}
	return std::unique_ptr<host_engine::RecordingPageDriver>(new PipedAnswersDriver(std::cin));
}

} // namespace quillmere_host
