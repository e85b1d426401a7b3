// One run of the program: the scene read and built, the plug-in loaded, the
// command run with its page answered, --out written, --undo done, the report.
#ifndef QUILLMERE_HOST_RUN_H
#define QUILLMERE_HOST_RUN_H

#include "command_line.h"
#include "base/output_buffer.h"

#include <functional>
#include <ostream>

namespace quillmere_host {

// Where a run's report and its messages go.
struct RunOutput {
	OutputBuffer::Sink report;       // the report's bytes; throws OutputError when they can't go
	std::function<void()> endReport; // once the report is whole; throws OutputError when it can't go
	// Asked as the report begins (the page may have lost the terminal):
	// true lists a screenful of objects in the text report; none, every one.
	std::function<bool()> reportOnATerminal;
	std::ostream* messages = nullptr; // notes on what was and wasn't written, and --timings
};

// The program's: standard output, which may be a terminal, and standard error.
RunOutput StandardOutput();

// Runs the command as `options` say, in the current host. A run refused or
// failed throws a ProgramError saying why: an InputError for bad input (the
// command line, the scene, a page step), before anything is written; a
// ModuleError for a module that can't be loaded or a command that failed
// (after its report); an OutputError for what couldn't be written. A
// cancelled page is no failure: a message says --out was not written.
void Run(const Options& options, const RunOutput& output);

} // namespace quillmere_host

#endif
