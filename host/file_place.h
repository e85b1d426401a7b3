// Where a character of a text file sits, as every message about one says it.
#ifndef QUILLMERE_HOST_FILE_PLACE_H
#define QUILLMERE_HOST_FILE_PLACE_H

#include <cstddef>
#include <string>

namespace quillmere_host {

// A line and a column, both from 1; columns count characters (UTF-8 code
// points), as an editor shows them, not bytes.
struct Place {
	size_t line = 1;
	size_t column = 1;
};

// "FILE:LINE:COLUMN: ", which every message about a place in a file starts with.
std::string PlacePrefix(const std::string& file, const Place& place);

} // namespace quillmere_host

#endif
