// Runs a test suite once under each reading of the host's open behaviours.
#ifndef QUILLMERE_TESTS_EACH_READING_H
#define QUILLMERE_TESTS_EACH_READING_H

#include "engine/host_readings.h"

#include <gtest/gtest.h>

#include <cctype>
#include <ostream>
#include <string>

namespace host_engine {

inline void PrintTo(const HostReadings& readings, std::ostream* out)
{
	*out << readings.Text();
}

} // namespace host_engine

namespace quillmere_tests {

// "chain-elements=own-family" as a test name: chain_elements_own_family.
inline std::string ReadingsTestName(const ::testing::TestParamInfo<host_engine::HostReadings>& info)
{
	std::string name = info.param.Text();
	for (char& c : name) {
		if (!std::isalnum(static_cast<unsigned char>(c))) {
			c = '_';
		}
	}
	return name;
}

} // namespace quillmere_tests

// Instantiates the parameterized suite `suite` under every alternative.
#define QUILLMERE_UNDER_EACH_READING(suite)                                                                            \
	INSTANTIATE_TEST_SUITE_P(EachReading, suite, ::testing::ValuesIn(host_engine::HostReadings::EachAlternative()),    \
	                         quillmere_tests::ReadingsTestName)

#endif
