// quillmere-host run from the outside, and what its reports say, for the
// program's tests.
#ifndef QUILLMERE_TESTS_HOST_PROGRAM_RUNS_H
#define QUILLMERE_TESTS_HOST_PROGRAM_RUNS_H

#include "support/program_run.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmere_tests {

inline ProgramResult RunHostProgram(const std::vector<std::string>& args)
{
	return RunProgram(QUILLMERE_HOST_PATH, args);
}

// A run with --report=json that must succeed: its report.
inline nlohmann::json JsonRun(const std::vector<std::string>& args)
{
	std::vector<std::string> all = args;
	all.push_back("--report=json");
	ProgramResult run = RunHostProgram(all);
	EXPECT_EQ(run.exitStatus, 0) << run.err;
	return nlohmann::json::parse(run.out);
}

// Bytes as a test message can show them.
inline std::string OneLineForTest(const std::string& text)
{
	std::string shown;
	for (unsigned char c : text) {
		shown += c < 0x20 || c >= 0x7f ? "\\x" + std::to_string(c) : std::string(1, static_cast<char>(c));
	}
	return shown;
}

// The names of what a JSON report says was deleted, in order.
inline std::vector<std::string> DeletedNames(const nlohmann::json& report)
{
	std::vector<std::string> names;
	for (const nlohmann::json& entry : report["deleted"]) {
		names.push_back(entry["owner"].get<std::string>() + ":" + entry["name"].get<std::string>());
	}
	return names;
}

// A scene of `count` selected objects, each with one position constraint,
// and one more object left out of the selection.
inline std::string SelectedObjectsScene(int count)
{
	std::string scene = "{\"objects\": [\n";
	std::string selection;
	for (int i = 0; i < count; ++i) {
		std::string name = "object" + std::to_string(i);
		scene += "  {\"name\": \"" + name + "\", \"constraints\": [\"Position Cns\"]},\n";
		selection += (i == 0 ? "\"" : ", \"") + name + "\"";
	}
	return scene + "  {\"name\": \"last\"}\n], \"selection\": [" + selection + "]}\n";
}

} // namespace quillmere_tests

#endif
