// Where a character of a text file sits, as every message about one says it.
#ifndef QUILLMERE_HOST_FILE_PLACE_H
#define QUILLMERE_HOST_FILE_PLACE_H

#include <cstddef>
#include <string>
#include <string_view>

namespace quillmere_host {

// A line and a column, both from 1, as an editor shows them. Lines end at
// an LF, a CR or a CRLF (one line end, not two). Columns count characters
// (UTF-8 code points), not bytes: each byte but a UTF-8 continuation byte
// starts one, so a byte that is not UTF-8 is one column too; the byte order
// mark that may open a file takes none.
struct Place {
	size_t line = 1;
	size_t column = 1;
};

// "FILE:LINE:COLUMN: ", which every message about a place in a file starts with.
std::string PlacePrefix(const std::string& file, const Place& place);

// The column of the byte at `offset` in one line of text, counted as Place
// counts it: a --page step's place in the --page text.
size_t ColumnAt(std::string_view line, size_t offset);

// The same, asked at rising offsets of one line as its words are read: each
// character is counted once however many words are placed.
class ColumnCounter
{
public:
	explicit ColumnCounter(std::string_view line) : m_line(line) {}
	// `offset` no less than at the last call.
	size_t At(size_t offset);

private:
	std::string_view m_line;
	size_t m_counted = 0; // the bytes before here are counted in m_column
	size_t m_column = 1;
};

} // namespace quillmere_host

#endif
