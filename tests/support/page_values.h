// Page values by name, for comparing with what a test expects.
#ifndef QUILLMERE_TESTS_PAGE_VALUES_H
#define QUILLMERE_TESTS_PAGE_VALUES_H

#include "engine/recording_page_driver.h"

#include <map>
#include <string>

namespace quillmere_tests {

using ValuesByName = std::map<std::wstring, bool>;

inline ValuesByName ByName(const host_engine::PageValues& values)
{
	return ValuesByName(values.begin(), values.end());
}

// What an open page's parameters hold now.
inline ValuesByName ReadValues(host_engine::PropertyPage& page)
{
	ValuesByName values;
	for (const std::wstring& name : page.ParameterNames()) {
		values[name] = static_cast<bool>(page.Value(name));
	}
	return values;
}

} // namespace quillmere_tests

#endif
