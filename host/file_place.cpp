#include "file_place.h"

#include "quoted_text.h"

namespace quillmere_host {

std::string PlacePrefix(const std::string& file, const Place& place)
{
	return Excerpt(file) + ":" + std::to_string(place.line) + ":" + std::to_string(place.column) + ": ";
}

} // namespace quillmere_host
