#include "scene_input.h"

#include "program_errors.h"
#include "quoted_text.h"

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

bool IsContinuation(char byte)
{
	return (static_cast<unsigned char>(byte) & 0xC0) == 0x80;
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
	m_at = m_start + kept;

	size_t read = std::fread(m_buffer.data() + kept, 1, kChunkBytes, m_file);
	m_limit = m_at + read;
	if (read == 0 && std::ferror(m_file)) {
		throw InputError(Excerpt(m_path) + ": cannot read the scene file: " + std::strerror(errno));
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
}

void SceneInput::CountLinesTo(uint64_t offset)
{
	const char* from = At(m_counted);
	const char* to = At(offset);
	while (from < to) {
		const char* newline = static_cast<const char*>(std::memchr(from, '\n', static_cast<size_t>(to - from)));
		if (newline == nullptr) {
			break;
		}
		++m_line;
		m_lineStart = m_startOffset + static_cast<uint64_t>(newline - m_start) + 1;
		m_lineContinuations = 0;
		from = newline + 1;
	}
	m_lineContinuations += static_cast<uint64_t>(std::count_if(from, to, IsContinuation));
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
	return place;
}

void SceneInput::MarkEnd()
{
	m_mark = m_scanned = Offset();
	m_separatorSeen = false;
	m_valueStartFound = false;
	m_valueStartPlaced = false;
}

bool SceneInput::FindValueStart()
{
	uint64_t end = Offset();
	while (!m_valueStartFound && m_scanned < end) {
		char byte = *At(m_scanned);
		if (byte == ' ' || byte == '\t' || byte == '\n' || byte == '\r' ||
		    (m_scanned < 3 && byte == kByteOrderMark[m_scanned])) {
			++m_scanned;
		} else if (!m_separatorSeen && (byte == ',' || byte == ':')) {
			m_separatorSeen = true;
			++m_scanned;
		} else {
			m_valueStartFound = true;
			m_valueStart = m_scanned;
			m_valueStartByte = byte;
		}
	}
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
