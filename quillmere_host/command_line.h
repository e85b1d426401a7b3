// The program's command line.
#ifndef QUILLMERE_HOST_COMMAND_LINE_H
#define QUILLMERE_HOST_COMMAND_LINE_H

#include "engine/host_readings.h"

#include <string>
#include <vector>

namespace quillmere_host {

struct Options {
	std::string scene;  // empty: the bundled sample scene
	std::string plugin; // empty: the module built beside the program
	bool selectGiven = false;
	std::string select;
	bool pageGiven = false;
	std::string page;
	bool jsonReport = false;
	std::string out;
	bool undo = false;
	bool timings = false;
	bool trace = false;
	host_engine::HostReadings readings; // --reading: how the host answers where it is open
	bool help = false;
	bool version = false;
};

// Throws InputError for an unknown option, a missing value or a bad report kind.
Options ParseCommandLine(int argc, const char* const* argv);

std::string HelpText();

} // namespace quillmere_host

#endif
