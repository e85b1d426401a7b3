// The --select list: which of a scene's objects a run selects, by name.
#ifndef QUILLMERE_HOST_SELECTION_LIST_H
#define QUILLMERE_HOST_SELECTION_LIST_H

#include <string>
#include <vector>

namespace quillmere_host {

// A name of --select, and where it starts in the list, in characters.
struct SelectedName {
	std::string name; // UTF-8, as given
	size_t column;
};

// The --select list: names separated by commas, in order ("" selects
// nothing). Throws InputError ("--select:COLUMN: ...") for an empty name and
// for a name given twice: the host's selection holds an object once.
std::vector<SelectedName> ParseSelection(const std::string& list);

} // namespace quillmere_host

#endif
