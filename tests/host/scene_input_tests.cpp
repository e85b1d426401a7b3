// Where a byte of a scene file sits, as the reader reads it chunk by chunk.
#include "scene_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using quillmere_host::Place;
using quillmere_host::SceneInput;

// Places counted over the whole text, from where each line starts, in
// characters: UTF-8 continuation bytes take no column.
class WholeTextPlaces
{
public:
	explicit WholeTextPlaces(const std::string& text) : m_lineStarts(1, 0), m_continuationsBefore(1, 0)
	{
		for (size_t i = 0; i < text.size(); ++i) {
			if (text[i] == '\n') {
				m_lineStarts.push_back(i + 1);
			}
			bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
			m_continuationsBefore.push_back(m_continuationsBefore.back() + (continuation ? 1 : 0));
		}
	}
	Place Of(size_t offset) const
	{
		size_t line = static_cast<size_t>(std::upper_bound(m_lineStarts.begin(), m_lineStarts.end(), offset) -
		                                  m_lineStarts.begin());
		size_t lineStart = m_lineStarts[line - 1];
		Place place;
		place.line = line;
		place.column = offset - lineStart - (m_continuationsBefore[offset] - m_continuationsBefore[lineStart]) + 1;
		return place;
	}

private:
	std::vector<size_t> m_lineStarts;
	std::vector<size_t> m_continuationsBefore; // by offset
};

class CountingListener : public SceneInput::Listener
{
public:
	void BeforeRefill() override
	{
		++refills;
		refilled = true;
	}
	int refills = 0;
	bool refilled = false; // the next byte read is a new chunk's first
};

// Reads all of `input`, asking as the reader does: where it has reached,
// then for the two bytes before. Asked at every `every`-th byte and at the
// first byte of each new chunk, where the bytes before are the kept ones.
void ExpectPlaces(SceneInput& input, const std::string& text, size_t every, CountingListener* listener)
{
	WholeTextPlaces expected(text);
	size_t read = 0;
	while (input.Next() != std::char_traits<char>::eof()) {
		++read;
		bool chunkStart = listener != nullptr && listener->refilled;
		if (listener != nullptr) {
			listener->refilled = false;
		}
		if (read % every != 0 && read != text.size() && !chunkStart) {
			continue;
		}
		for (size_t back = 0; back <= 2 && back <= read; ++back) {
			Place place = input.PlaceOf(read - back);
			Place want = expected.Of(read - back);
			ASSERT_EQ(place.line, want.line) << "byte " << read - back;
			ASSERT_EQ(place.column, want.column) << "byte " << read - back;
		}
	}
	EXPECT_EQ(read, text.size());
	EXPECT_EQ(input.Offset(), text.size());
}

TEST(SceneInput, PlacesMatchTheWholeTextAcrossChunks_LinesLongerThanAChunkIncluded)
{
	std::string text;
	for (int i = 0; i < 30000; ++i) {
		text += "{\"name\": \"object" + std::to_string(i) + (i % 7 == 0 ? "\xc3\xa9\xe2\x82\xac" : "") + "\"},\n";
		if (i == 12000) {
			text += "\n" + std::string(600000, ' ') + "\n"; // a line spanning chunks, after an empty one
		}
		if (i == 20000) {
			// Characters of two and four bytes across chunks, on one line.
			for (int k = 0; k < 100000; ++k) {
				text += k % 2 ? "\xc3\xa9" : "\xf0\x9f\x98\x80";
			}
			text += "\n";
		}
	}

	std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::tmpfile(), &std::fclose);
	ASSERT_TRUE(file);
	ASSERT_EQ(std::fwrite(text.data(), 1, text.size(), file.get()), text.size());
	std::rewind(file.get());
	SceneInput streamed(file.get(), "scene.json");
	CountingListener listener;
	streamed.SetListener(&listener);
	ExpectPlaces(streamed, text, 997, &listener);
	EXPECT_GE(listener.refills, 3) << "the text should take several chunks";

	SceneInput inMemory(text);
	ExpectPlaces(inMemory, text, 997, nullptr);
}

} // namespace
