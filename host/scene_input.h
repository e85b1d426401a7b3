// The bytes of a scene file as the JSON parser takes them: read a chunk at a
// time, so that a file of any size, a pipe or an endless device is never held
// whole, with the line and column of any byte still at hand.
#ifndef QUILLMERE_HOST_SCENE_INPUT_H
#define QUILLMERE_HOST_SCENE_INPUT_H

#include <cstdint>
#include <cstdio>
#include <iterator>
#include <string>
#include <vector>

namespace quillmere_host {

struct Place {
	size_t line = 1;
	size_t column = 1;
};

class SceneInput
{
public:
	// Reads `file` (not owned) a chunk at a time; `path` names it in errors.
	SceneInput(std::FILE* file, const std::string& path);
	// Text already in memory, read in place.
	explicit SceneInput(const std::string& text);
	SceneInput(const SceneInput&) = delete;
	SceneInput& operator=(const SceneInput&) = delete;

	// Inline: the parser asks these for every byte.
	bool More() { return m_at < m_limit || Refill(); }
	char Peek() const { return *m_at; }
	void Advance() { ++m_at; }

	// Bytes consumed so far.
	uint64_t Offset() const { return m_startOffset + static_cast<uint64_t>(m_at - m_start); }
	// The byte just consumed, or '\0' at the start.
	char Previous() const { return m_at > m_start ? m_at[-1] : '\0'; }
	// Where the byte at `offset` sits. Offsets from a few bytes before the
	// current one onwards can be asked for; earlier ones are gone.
	Place PlaceOf(uint64_t offset);

private:
	bool Refill();
	void CountLinesTo(uint64_t offset);

	std::FILE* m_file = nullptr;
	std::string m_path;
	std::vector<char> m_buffer;
	const char* m_start = nullptr; // first byte still held, at m_startOffset
	const char* m_at = nullptr;
	const char* m_limit = nullptr;
	uint64_t m_startOffset = 0;
	// Lines are counted lazily, only as far as a place was asked for.
	uint64_t m_counted = 0;   // bytes before this offset are counted
	size_t m_line = 1;        // the line m_counted is on
	uint64_t m_lineStart = 0; // where that line starts
	size_t m_lineAtStart = 1; // the same, at m_start
	uint64_t m_lineStartAtStart = 0;
};

// The input as the parser iterates it; the default-made iterator is the end.
class SceneInputIterator
{
public:
	using iterator_category = std::input_iterator_tag;
	using value_type = char;
	using difference_type = std::ptrdiff_t;
	using pointer = const char*;
	using reference = char;

	SceneInputIterator() = default;
	explicit SceneInputIterator(SceneInput& input) : m_input(&input) {}

	char operator*() const { return m_input->Peek(); }
	SceneInputIterator& operator++()
	{
		m_input->Advance();
		return *this;
	}
	bool operator==(const SceneInputIterator& other) const { return AtEnd() == other.AtEnd(); }
	bool operator!=(const SceneInputIterator& other) const { return AtEnd() != other.AtEnd(); }

private:
	bool AtEnd() const { return m_input == nullptr || !m_input->More(); }

	SceneInput* m_input = nullptr;
};

} // namespace quillmere_host

#endif
