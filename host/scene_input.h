// The bytes of a scene file as the JSON parser takes them: read a chunk at a
// time, so that a file of any size, a pipe or an endless device is never held
// whole, with the line and column of any byte still at hand.
#ifndef QUILLMERE_HOST_SCENE_INPUT_H
#define QUILLMERE_HOST_SCENE_INPUT_H

#include <cstdint>
#include <cstdio>
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

	// Inline: the parser asks for every byte. The next byte, or EOF.
	std::char_traits<char>::int_type Next()
	{
		if (m_at < m_limit || Refill()) {
			return std::char_traits<char>::to_int_type(*m_at++);
		}
		return std::char_traits<char>::eof();
	}

	// Bytes consumed so far.
	uint64_t Offset() const { return m_startOffset + static_cast<uint64_t>(m_at - m_start); }
	// The byte just consumed, or '\0' at the start.
	char Previous() const { return m_at > m_start ? m_at[-1] : '\0'; }
	// Where the byte at `offset` sits. Offsets from a few bytes before the
	// current one onwards can be asked for; earlier ones are gone.
	Place PlaceOf(uint64_t offset);
	void SetListener(Listener* listener) { m_listener = listener; }

private:
	bool Refill();
	// Back to the line count held for the first byte still held.
	void RecountFromStart();
	void CountLinesTo(uint64_t offset);

	std::FILE* m_file = nullptr;
	std::string m_path;
	Listener* m_listener = nullptr;
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

// The input as nlohmann's lexer takes it: one byte at a time. (Its public
// entry points take iterator pairs, whose end test costs a comparison per
// byte on top: a fifth of the time spent reading.)
struct SceneInputAdapter {
	using char_type = char;
	std::char_traits<char>::int_type get_character() { return input->Next(); }
	SceneInput* input;
};

} // namespace quillmere_host

#endif
