#include "scene_file/selection_list.h"

#include "base/file_place.h"
#include "base/program_errors.h"
#include "base/quoted_text.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

namespace quillmere_host {

std::vector<SelectedName> ParseSelection(const std::string& list)
{
	std::vector<SelectedName> names;
	std::unordered_map<std::string_view, size_t> columns; // of each name, where first given
	size_t start = 0;
	ColumnCounter columnOf(list);
	while (!list.empty() && start <= list.size()) {
		size_t comma = std::min(list.find(',', start), list.size());
		size_t column = columnOf.At(start);
		std::string_view name = std::string_view(list).substr(start, comma - start);
		std::string place = "--select:" + std::to_string(column) + ": ";
		if (name.empty()) {
			throw InputError(place + "an empty name (names are separated by one comma each)");
		}
		auto first = columns.emplace(name, column);
		if (!first.second) {
			throw InputError(place + Quoted(name) + " is named twice (first at column " +
			                 std::to_string(first.first->second) + "): a selection holds an object once");
		}
		names.push_back(SelectedName{std::string(name), column});
		start = comma + 1;
	}
	return names;
}

} // namespace quillmere_host
