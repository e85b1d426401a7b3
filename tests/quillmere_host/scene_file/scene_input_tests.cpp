// Where a byte of a scene file sits, as the reader reads it chunk by chunk.
#include "scene_file/scene_input.h"

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
// characters: UTF-8 continuation bytes and a leading byte order mark take no
// column; LF, CR and CRLF each end a line (the LF of a CRLF starts none).
class WholeTextPlaces
{
public:
	explicit WholeTextPlaces(const std::string& text)
	    : m_starts(1, 0), m_lines(1, 1), m_continuationsBefore(1, 0),
	      m_byteOrderMark(text.rfind("\xef\xbb\xbf", 0) == 0)
	{
		for (size_t i = 0; i < text.size(); ++i) {
			if (text[i] == '\n' || text[i] == '\r') {
				bool secondHalf = text[i] == '\n' && i > 0 && text[i - 1] == '\r';
				m_starts.push_back(i + 1);
				m_lines.push_back(m_lines.back() + (secondHalf ? 0 : 1));
			}
			bool continuation = (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80;
			m_continuationsBefore.push_back(m_continuationsBefore.back() + (continuation ? 1 : 0));
		}
	}
	Place Of(size_t offset) const
	{
		size_t at =
		    static_cast<size_t>(std::upper_bound(m_starts.begin(), m_starts.end(), offset) - m_starts.begin()) - 1;
		size_t lineStart = m_starts[at];
		Place place;
		place.line = m_lines[at];
		place.column = offset - lineStart - (m_continuationsBefore[offset] - m_continuationsBefore[lineStart]) + 1;
		if (m_byteOrderMark && place.line == 1) {
			place.column = offset < 3 ? 1 : place.column - 1;
		}
		return place;
	}

private:
	std::vector<size_t> m_starts;              // where each line, or the rest of one after a CRLF's CR, starts
	std::vector<size_t> m_lines;               // its line
	std::vector<size_t> m_continuationsBefore; // by offset
	bool m_byteOrderMark;
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
	// Each way of ending a line, a byte order mark, and lines in every
	// place against the reader's chunks.
	const char* const kLineEnds[] = {"\n", "\r\n", "\r", "\n\r", "\r\r\n"};
	std::string text = "\xef\xbb\xbf";
	for (int i = 0; i < 30000; ++i) {
		text += "{\"name\": \"object" + std::to_string(i) + (i % 7 == 0 ? "\xc3\xa9\xe2\x82\xac" : "") + "\"}," +
		        kLineEnds[i % 5];
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
	std::string withoutMark = text.substr(3);
	SceneInput noMark(withoutMark);
	ExpectPlaces(noMark, withoutMark, 997, nullptr);
}

} // namespace
