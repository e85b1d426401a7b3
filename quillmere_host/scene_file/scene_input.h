// The bytes of a scene file as the JSON parser takes them: read a chunk at a
// time, so that a file of any size, a pipe or an endless device is never held
// whole, with the line and column of any byte still at hand.
#ifndef QUILLMERE_HOST_SCENE_INPUT_H
#define QUILLMERE_HOST_SCENE_INPUT_H

#include "base/file_place.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

namespace quillmere_host {

class SceneInput
{
public:
	// Told before the bytes read so far are dropped for the next chunk:
	// the last moment to ask for the place of one of them.
	class Listener
	{
	public:
		virtual void BeforeRefill() = 0;

	protected:
		~Listener() = default;
	};

	// Reads `file` (not owned) a chunk at a time; `path` names it in errors.
	SceneInput(std::FILE* file, const std::string& path);
	// Text already in memory, read in place.
	explicit SceneInput(const std::string& text);
	SceneInput(const SceneInput&) = delete;
	SceneInput& operator=(const SceneInput&) = delete;

	// Inline: the parser asks for every byte. The next byte, or EOF. A NUL
	// byte ends the input as its end would: no text file holds one, and
	// /dev/zero holds nothing else.
	std::char_traits<char>::int_type Next()
	{
		if (m_at < m_limit || Refill()) {
			return std::char_traits<char>::to_int_type(*m_at++);
		}
		m_endGiven = true;
		return std::char_traits<char>::eof();
	}

	// Bytes consumed so far.
	uint64_t Offset() const { return m_startOffset + static_cast<uint64_t>(m_at - m_start); }
	// Where the byte at `offset` sits. Offsets from a few bytes before the
	// current one onwards can be asked for; earlier ones are gone.
	Place PlaceOf(uint64_t offset);
	void SetListener(Listener* listener) { m_listener = listener; }

	// True when the parser was given the end at a NUL byte, at NulOffset().
	bool EndedAtNul() const { return m_nulFound && m_endGiven; }
	uint64_t NulOffset() const { return m_nulOffset; }

	// The parser tells nobody where a value starts, only that it has read
	// one. The reader marks the end of each thing the parser reports (a
	// value, a key, a bracket); the next one starts at the first byte after
	// the mark that is neither a blank nor the one ',' or ':' before it.
	// Inline, as the next two: the parser reports several things per object.
	void MarkEnd()
	{
		m_mark = m_scanned = Offset();
		m_separatorSeen = false;
		m_valueStartFound = false;
		m_valueStartPlaced = false;
	}
	uint64_t Mark() const { return m_mark; }
	// True once the start of the next value is among the bytes read.
	bool FindValueStart() { return m_valueStartFound || ScanForValueStart(); }
	// Where it starts, once found; its place is kept past the chunk it is in.
	uint64_t ValueStart() const { return m_valueStart; }
	char ValueStartByte() const { return m_valueStartByte; }
	Place ValueStartPlace();

private:
	bool Refill();
	void StopAtNul();
	bool ScanForValueStart();
	// Back to the line count held for the first byte still held.
	void RecountFromStart();
	void CountLinesTo(uint64_t offset);
	const char* At(uint64_t offset) const { return m_start + (offset - m_startOffset); }

	std::FILE* m_file = nullptr;
	std::string m_path;
	Listener* m_listener = nullptr;
	std::vector<char> m_buffer;
	const char* m_start = nullptr; // first byte still held, at m_startOffset
	const char* m_at = nullptr;
	const char* m_limit = nullptr; // the end of what was read, or the first NUL byte
	uint64_t m_startOffset = 0;
	bool m_nulFound = false;
	uint64_t m_nulOffset = 0;
	bool m_endGiven = false;
	// Lines are counted lazily, only as far as a place was asked for.
	uint64_t m_counted = 0;   // bytes before this offset are counted
	size_t m_line = 1;        // the line m_counted is on
	uint64_t m_lineStart = 0; // where that line starts
	// UTF-8 continuation bytes between m_lineStart and m_counted: a column
	// counts characters.
	uint64_t m_lineContinuations = 0;
	// The last byte counted was a CR: an LF next ends no other line.
	bool m_afterCarriageReturn = false;
	size_t m_lineAtStart = 1; // the same four, at m_start
	uint64_t m_lineStartAtStart = 0;
	uint64_t m_continuationsAtStart = 0;
	bool m_afterCarriageReturnAtStart = false;
	// The file starts with the UTF-8 byte order mark, which takes no column.
	bool m_byteOrderMark = false;
	// The next value's start, looked for from m_mark.
	uint64_t m_mark = 0;
	uint64_t m_scanned = 0; // bytes before this are blanks or the separator
	bool m_separatorSeen = false;
	bool m_valueStartFound = false;
	uint64_t m_valueStart = 0;
	char m_valueStartByte = 0;
	bool m_valueStartPlaced = false;
	Place m_valueStartPlace;
};

} // namespace quillmere_host

#endif
