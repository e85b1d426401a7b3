#include "base/file_place.h"

#include "base/quoted_text.h"

namespace quillmere_host {

std::string PlacePrefix(const std::string& file, const Place& place)
{
	return Excerpt(file) + ":" + std::to_string(place.line) + ":" + std::to_string(place.column) + ": ";
}

size_t ColumnAt(std::string_view line, size_t offset)
{
	size_t column = 1;
	for (size_t i = 0; i < offset && i < line.size(); ++i) {
		column += (static_cast<unsigned char>(line[i]) & 0xC0) == 0x80 ? 0 : 1;
	}
	return column;
}

size_t ColumnCounter::At(size_t offset)
{
	m_column += ColumnAt(m_line.substr(m_counted), offset - m_counted) - 1;
	m_counted = offset;
	return m_column;
}

} // namespace quillmere_host
