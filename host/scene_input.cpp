#include "scene_input.h"

#include "program_errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace quillmere_host {

namespace {

const size_t kChunkBytes = 1 << 18;
// Kept from the chunk before, so that the parser's one byte of look-back
// can still be placed after a refill.
const size_t kKeptBytes = 16;

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
}

bool SceneInput::Refill()
{
	if (m_file == nullptr) {
		return false;
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
	m_at = m_start + kept;

	size_t read = std::fread(m_buffer.data() + kept, 1, kChunkBytes, m_file);
	m_limit = m_at + read;
	if (read == 0 && std::ferror(m_file)) {
		throw InputError(m_path + ": cannot read the scene file: " + std::strerror(errno));
	}
	return read > 0;
}

void SceneInput::RecountFromStart()
{
	m_counted = m_startOffset;
	m_line = m_lineAtStart;
	m_lineStart = m_lineStartAtStart;
}

void SceneInput::CountLinesTo(uint64_t offset)
{
	const char* from = m_start + (m_counted - m_startOffset);
	const char* to = m_start + (offset - m_startOffset);
	while (from < to) {
		const char* newline = static_cast<const char*>(std::memchr(from, '\n', static_cast<size_t>(to - from)));
		if (newline == nullptr) {
			break;
		}
		++m_line;
		m_lineStart = m_startOffset + static_cast<uint64_t>(newline - m_start) + 1;
		from = newline + 1;
	}
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
	place.column = static_cast<size_t>(offset - m_lineStart) + 1;
	return place;
}

} // namespace quillmere_host
