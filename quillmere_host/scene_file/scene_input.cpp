#include "scene_file/scene_input.h"

#include "base/program_errors.h"
#include "base/quoted_text.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quillmere_host {

namespace {

const size_t kChunkBytes = 1 << 18;
// Kept from the chunk before, so that the parser's one byte of look-back
// can still be placed after a refill.
const size_t kKeptBytes = 16;
const char kByteOrderMark[] = "\xEF\xBB\xBF";

// UTF-8 continuation bytes (10xxxxxx), which start no character: eight
// bytes at a time, as every place asked for counts those before it.
uint64_t CountContinuations(const char* from, const char* to)
{
	const uint64_t kHighBits = 0x8080808080808080ull;
	uint64_t count = 0;
	for (; to - from >= 8; from += 8) {
		uint64_t word;
		std::memcpy(&word, from, sizeof(word));
		uint64_t continuations = word & ~(word << 1) & kHighBits; // bit 7 set, bit 6 clear
		for (; continuations != 0; continuations &= continuations - 1) {
			++count;
		}
	}
	for (; from < to; ++from) {
		count += (static_cast<unsigned char>(*from) & 0xC0) == 0x80 ? 1 : 0;
	}
	return count;
}

// The first `byte` in [from, to), or `to`.
const char* FindByte(const char* from, const char* to, char byte)
{
	const void* found = std::memchr(from, byte, static_cast<size_t>(to - from));
	return found ? static_cast<const char*>(found) : to;
}

} // namespace

SceneInput::SceneInput(std::FILE* file, const std::string& path)
    : m_file(file), m_path(path), m_buffer(kKeptBytes + kChunkBytes)
{
	m_start = m_at = m_limit = m_buffer.data();
}

SceneInput::SceneInput(const std::string& text)
{
	m_start = m_at = text.data();
	m_limit = text.data() + text.size();
	m_byteOrderMark = text.compare(0, 3, kByteOrderMark) == 0;
	StopAtNul();
}

void SceneInput::StopAtNul()
{
	const void* nul = std::memchr(m_at, '\0', static_cast<size_t>(m_limit - m_at));
	if (nul != nullptr) {
		m_limit = static_cast<const char*>(nul);
		m_nulFound = true;
		m_nulOffset = m_startOffset + static_cast<uint64_t>(m_limit - m_start);
	}
}

bool SceneInput::Refill()
{
	if (m_file == nullptr || m_nulFound) {
		return false;
	}
	// A value's start is kept as a place before the bytes it is in go.
	if (FindValueStart()) {
		ValueStartPlace();
	}
	if (m_listener != nullptr) {
		m_listener->BeforeRefill();
	}
	// Keep the last few bytes, with the line they start on.
	const char* keepFrom = std::max(m_start, m_limit - kKeptBytes);
	uint64_t keptOffset = m_startOffset + static_cast<uint64_t>(keepFrom - m_start);
	if (m_counted > keptOffset) {
		RecountFromStart();
	}
	CountLinesTo(keptOffset);
	size_t kept = static_cast<size_t>(m_limit - keepFrom);
	std::memmove(m_buffer.data(), keepFrom, kept);
	m_start = m_buffer.data();
	m_startOffset = keptOffset;
	m_lineAtStart = m_line;
	m_lineStartAtStart = m_lineStart;
	m_continuationsAtStart = m_lineContinuations;
	m_afterCarriageReturnAtStart = m_afterCarriageReturn;
	m_at = m_start + kept;

	size_t read = std::fread(m_buffer.data() + kept, 1, kChunkBytes, m_file);
	m_limit = m_at + read;
	if (read == 0 && std::ferror(m_file)) {
		throw InputError(Excerpt(m_path) + ": cannot read the scene file: " + std::strerror(errno));
	}
	if (m_startOffset == 0 && kept == 0) {
		// The first chunk: fread fills it unless the file ends first.
		m_byteOrderMark = read >= 3 && std::memcmp(m_start, kByteOrderMark, 3) == 0;
	}
	StopAtNul();
	return m_at < m_limit;
}

void SceneInput::RecountFromStart()
{
	m_counted = m_startOffset;
	m_line = m_lineAtStart;
	m_lineStart = m_lineStartAtStart;
	m_lineContinuations = m_continuationsAtStart;
	m_afterCarriageReturn = m_afterCarriageReturnAtStart;
}

void SceneInput::CountLinesTo(uint64_t offset)
{
	const char* from = At(m_counted);
	const char* to = At(offset);
	// Files rarely hold a CR: the next one is looked for once, not at every LF.
	const char* carriageReturn = FindByte(from, to, '\r');
	while (from < to) {
		const char* end = FindByte(from, carriageReturn, '\n');
		if (end == to) {
			break;
		}
		// LF, CR and CRLF each end one line, as editors count them: the LF of
		// a CRLF only moves the line's start past itself.
		bool secondHalf = *end == '\n' && m_afterCarriageReturn && end == from;
		m_line += secondHalf ? 0 : 1;
		m_afterCarriageReturn = *end == '\r';
		m_lineStart = m_startOffset + static_cast<uint64_t>(end - m_start) + 1;
		m_lineContinuations = 0;
		from = end + 1;
		if (end == carriageReturn) {
			carriageReturn = FindByte(from, to, '\r');
		}
	}
	if (from < to) {
		m_afterCarriageReturn = false;
	}
	m_lineContinuations += CountContinuations(from, to);
	m_counted = offset;
}

Place SceneInput::PlaceOf(uint64_t offset)
{
	uint64_t end = m_startOffset + static_cast<uint64_t>(m_limit - m_start);
	offset = std::min(std::max(offset, m_startOffset), end);
	if (offset < m_counted) {
		// Backwards, as only an error's place can be: count again from the start.
		RecountFromStart();
	}
	CountLinesTo(offset);
	Place place;
	place.line = m_line;
	place.column = static_cast<size_t>(offset - m_lineStart - m_lineContinuations) + 1;
	if (m_byteOrderMark && m_line == 1) {
		// The byte order mark says how the file is encoded; it is no character of it.
		place.column = offset < 3 ? 1 : place.column - 1;
	}
	return place;
}

bool SceneInput::ScanForValueStart()
{
	uint64_t end = Offset();
	while (m_scanned < 3 && m_scanned < end && *At(m_scanned) == kByteOrderMark[m_scanned]) {
		++m_scanned;
	}
	const char* at = At(m_scanned);
	const char* limit = At(end);
	for (; at < limit; ++at) {
		char byte = *at;
		if (byte == ' ' || byte == '\n' || byte == '\t' || byte == '\r') {
			continue;
		}
		if ((byte == ',' || byte == ':') && !m_separatorSeen) {
			m_separatorSeen = true;
			continue;
		}
		m_valueStartFound = true;
		m_valueStart = m_startOffset + static_cast<uint64_t>(at - m_start);
		m_valueStartByte = byte;
		break;
	}
	m_scanned = m_startOffset + static_cast<uint64_t>(at - m_start);
	return m_valueStartFound;
}

Place SceneInput::ValueStartPlace()
{
	if (!m_valueStartPlaced && FindValueStart()) {
		m_valueStartPlace = PlaceOf(m_valueStart);
		m_valueStartPlaced = true;
	}
	return m_valueStartPlace;
}

} // namespace quillmere_host
