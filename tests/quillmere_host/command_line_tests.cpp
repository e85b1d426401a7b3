// The program's command line, word by word: what each option takes and
// what it refuses.
#include "command_line.h"
#include "base/program_errors.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

using quillmere_host::InputError;
using quillmere_host::Options;

struct CommandLineCase {
	std::vector<std::string> args;
	std::string error;                         // the start of the message; empty: taken
	std::function<void(const Options&)> check; // what was taken
};

std::string ErrorOf(const std::vector<std::string>& args, Options* options)
{
	std::vector<const char*> argv = {"quillmere-host"};
	for (const std::string& arg : args) {
		argv.push_back(arg.c_str());
	}
	try {
		*options = quillmere_host::ParseCommandLine(static_cast<int>(argv.size()), argv.data());
	} catch (const InputError& error) {
		return error.what();
	}
	return "";
}

TEST(CommandLine, WhatEachOptionTakesAndRefuses)
{
	std::vector<CommandLineCase> cases = {
	    // An option is named whole: one that starts like another is no option.
	    {{"--output=x"}, "unknown argument \"--output=x\"", nullptr},
	    {{"--scenefoo"}, "unknown argument \"--scenefoo\"", nullptr},
	    {{"--out"}, "--out: needs a value", nullptr},
	    {{"--pages", "OK"}, "unknown argument \"--pages\"", nullptr},
	    {{"-"}, "unknown argument \"-\"", nullptr},
	    // "-" alone is a value, a file of that name, not an option (a pipe is /dev/stdin).
	    {{"--scene", "-", "--out", "-", "--select", "-"},
	     "",
	     [](const Options& o) {
		     EXPECT_EQ(o.scene, "-");
		     EXPECT_EQ(o.out, "-");
		     EXPECT_EQ(o.select, "-");
	     }},
	    {{"--page", "-x"}, "--page: needs a value, and \"-x\" is an option", nullptr},
	    {{"--page=-x"}, "", [](const Options& o) { EXPECT_EQ(o.page, "-x"); }},
	    {{"--select", ""}, "", [](const Options& o) { EXPECT_TRUE(o.selectGiven && o.select.empty()); }},
	    {{"--reading", "defaults"}, "", [](const Options& o) { EXPECT_TRUE(o.readings.IsDefault()); }},
	    {{"--reading", "defaults,models=own-family"}, "--reading: \"defaults\" stands alone", nullptr},
	    {{"--reading", "models=own-family,defaults"}, "--reading: \"defaults\" stands alone", nullptr},
	    {{"--reading", "models=own-family,models=3d-objects"}, "--reading: models: given more than once", nullptr},
	    {{"--reading", "models"}, "--reading: \"models\" is not NAME=ALTERNATIVE", nullptr},
	    {{"--reading", "model=own-family"}, "--reading: no reading called \"model\"", nullptr},
	};
	// Every reading's every alternative, by its name as --help lists it.
	for (const host_engine::ReadingInfo& info : host_engine::kReadings) {
		for (int choice = 0; choice < host_engine::kMaxAlternatives; ++choice) {
			host_engine::Reading reading = info.reading;
			cases.push_back({{"--reading=" + std::string(info.name) + "=" + info.alternatives[choice].name},
			                 "",
			                 [reading, choice](const Options& o) {
				                 EXPECT_EQ(o.readings.Choice(reading), choice);
				                 EXPECT_EQ(o.readings.IsDefault(), choice == 0);
			                 }});
		}
	}
	for (const CommandLineCase& entry : cases) {
		std::string shown = entry.args.empty() ? "" : entry.args[0];
		Options options;
		std::string error = ErrorOf(entry.args, &options);
		if (entry.error.empty()) {
			EXPECT_EQ(error, "") << shown;
			if (error.empty() && entry.check) {
				entry.check(options);
			}
		} else {
			EXPECT_EQ(error.rfind(entry.error, 0), 0u) << shown << ": " << error;
		}
	}
}

// The readings as docs/host-model.md documents them: each row of its table,
// the reading's name and its alternatives' names, the default first.
std::vector<std::pair<std::string, std::vector<std::string>>> DocumentedReadings()
{
	std::ifstream file(DOCS_DIR "/host-model.md");
	std::string line;
	while (std::getline(file, line) && line != "## Readings") {
	}
	// The first backquoted word of `text`, or "".
	auto quoted = [](const std::string& text) {
		size_t open = text.find('`');
		size_t close = open == std::string::npos ? open : text.find('`', open + 1);
		return close == std::string::npos ? std::string() : text.substr(open + 1, close - open - 1);
	};
	std::vector<std::pair<std::string, std::vector<std::string>>> readings;
	while (std::getline(file, line) && line.rfind("## ", 0) != 0) {
		if (line.rfind("| `", 0) != 0) {
			continue; // the heading, its rule, the prose around the table
		}
		// | `name` | the question | `first`: ...; `second`: ... | the outcome |
		std::vector<std::string> cells;
		std::stringstream row(line.substr(1));
		for (std::string cell; std::getline(row, cell, '|');) {
			cells.push_back(cell);
		}
		std::vector<std::string> alternatives;
		std::stringstream listed(cells.size() > 2 ? cells[2] : "");
		for (std::string each; std::getline(listed, each, ';');) {
			alternatives.push_back(quoted(each));
		}
		readings.emplace_back(quoted(cells[0]), alternatives);
	}
	return readings;
}

// The names a user reads in docs/host-model.md are the ones --reading takes
// and --help lists, in the documented order (the default first): a reading
// or an alternative renamed in the program, or documented under another
// name, fails here.
TEST(CommandLine, EveryReadingAndAlternative_ByTheNamesHostModelDocuments)
{
	const auto documented = DocumentedReadings();
	ASSERT_EQ(documented.size(), static_cast<size_t>(host_engine::kReadingCount));
	const std::string help = quillmere_host::HelpText();
	for (const auto& reading : documented) {
		SCOPED_TRACE(reading.first);
		ASSERT_EQ(reading.second.size(), static_cast<size_t>(host_engine::kMaxAlternatives));
		EXPECT_NE(help.find("\n  " + reading.first + ": "), std::string::npos);
		for (size_t choice = 0; choice < reading.second.size(); ++choice) {
			const std::string& alternative = reading.second[choice];
			Options options;
			std::string error = ErrorOf({"--reading", reading.first + "=" + alternative}, &options);
			EXPECT_EQ(error, "") << alternative;
			// Taken as that alternative, and given back by the same name.
			EXPECT_EQ(options.readings.IsDefault(), choice == 0) << alternative;
			EXPECT_EQ(options.readings.Text(), choice == 0 ? "defaults" : reading.first + "=" + alternative);
			EXPECT_NE(help.find("\n    " + alternative + ": "), std::string::npos) << alternative;
		}
	}
}

} // namespace
