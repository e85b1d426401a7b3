// A scene file's JSON as events: what a listener is told, where, and the
// errors said for it, whatever the listener makes of the events.
#include "scene_file/json_events.h"

#include "base/program_errors.h"
#include "scene_file/scene_format.h"
#include "scene_file/scene_reader.h"
#include "support/program_run.h"
#include "support/scene_description.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace {

using quillmere_host::InputError;
using quillmere_host::JsonEventListener;
using quillmere_host::JsonValueKind;
using quillmere_host::Place;
using quillmere_host::ReadJsonEvents;
using quillmere_host::SceneInput;
using quillmere_tests::ReadSceneText;
using quillmere_tests::SceneDescription;

std::string PlaceText(const Place& place)
{
	return std::to_string(place.line) + ":" + std::to_string(place.column);
}

// Writes each event down as "what@LINE:COLUMN", at the place the input
// gives while it is told; a bracket also with the byte it is said to be.
class RecordingListener : public JsonEventListener
{
public:
	explicit RecordingListener(SceneInput& input) : m_input(input) {}

	void Value(JsonValueKind kind, const std::string* text) override
	{
		std::string what;
		switch (kind) {
		case JsonValueKind::Object: what = "{" + Bracket(); break;
		case JsonValueKind::Array: what = "[" + Bracket(); break;
		case JsonValueKind::String: what = "'" + *text + "'"; break;
		case JsonValueKind::Other: what = "value"; break;
		}
		EXPECT_EQ(text != nullptr, kind == JsonValueKind::String);
		Record(what);
	}
	void Key(const std::string& name) override { Record("key " + name); }
	void EndObject() override { events.push_back("}"); }
	void EndArray() override { events.push_back("]"); }
	void BeforeRefill() override { ++refills; }

	std::vector<std::string> events;
	int refills = 0;

private:
	// The opening bracket is the last byte read, at the place given for it.
	std::string Bracket()
	{
		Place atLastByte = m_input.PlaceOf(m_input.Offset() - 1);
		return PlaceText(atLastByte) == PlaceText(m_input.ValueStartPlace()) ? "" : " (not the last byte read)";
	}
	void Record(const std::string& what) { events.push_back(what + "@" + PlaceText(m_input.ValueStartPlace())); }

	SceneInput& m_input;
};

// The error ReadJsonEvents gives for `text`, or "" if it reads it.
std::string ErrorOf(const std::string& text)
{
	SceneInput input(text);
	RecordingListener listener(input);
	try {
		ReadJsonEvents(input, "s.json", listener);
	} catch (const InputError& error) {
		return error.what();
	}
	return "";
}

TEST(JsonEvents, EveryValueKeyAndEnd_ToldInOrder_AtItsFirstCharacter)
{
	std::string text = "\xef\xbb\xbf{\"a\": [null, true, -12.5e3, 7,\r\n  \"\xc3\xa9\\u00e9\\n\"],\n"
	                   " \"\xc3\xa9\": {}, \"b\": [[], {\"c\": false}]}  \n";
	SceneInput input(text);
	RecordingListener listener(input);
	ReadJsonEvents(input, "s.json", listener);
	const std::vector<std::string> expected = {"{@1:1",      "key a@1:2",
	                                           "[@1:7",      "value@1:8",
	                                           "value@1:14", "value@1:20",
	                                           "value@1:29", "'\xc3\xa9\xc3\xa9\n'@2:3",
	                                           "]",          "key \xc3\xa9@3:2",
	                                           "{@3:7",      "}",
	                                           "key b@3:11", "[@3:16",
	                                           "[@3:17",     "]",
	                                           "{@3:21",     "key c@3:22",
	                                           "value@3:27", "}",
	                                           "]",          "}"};
	EXPECT_EQ(listener.events, expected);
	EXPECT_EQ(ErrorOf("{}"), "");
	EXPECT_EQ(ErrorOf(" \"just a string\" "), ""); // what a value must be is the grammar's to say
}

struct ErrorCase {
	const char* what;
	std::string text;
	std::string place;  // "s.json:LINE:COLUMN"
	std::string starts; // what the message says first
};

// The library's errors, said the same way whatever the listener was told
// before: the place first, then what the library found.
TEST(JsonEvents, ErrorsSaidAtTheirPlace_AsOneLine)
{
	using Text = std::string;
	const std::vector<ErrorCase> cases = {
	    {"a token out of place", "{\"selection\": [\"\xc3\xa9\" \"b\"]}", "s.json:1:20", "malformed JSON: "},
	    {"a separator out of place", "{\"objects\": : []}", "s.json:1:13", "malformed JSON: "},
	    {"a byte the lexer makes nothing of", "{\"objects\": [\xc3\xa9]}", "s.json:1:14", "malformed JSON: "},
	    {"a string that is not UTF-8", "{\"selection\": [\"\xc3\xa9\xff\"]}", "s.json:1:18", "malformed JSON: "},
	    {"the end of the file too soon", "{\"objects\": []\n", "s.json:2:1", "malformed JSON: "},
	    {"a second value after the first", "{}\n{}", "s.json:2:1", "malformed JSON: "},
	    {"an empty file", "", "s.json:1:1", "malformed JSON: "},
	    {"a number too large to hold", "{\"a\": 1" + Text(400, '0') + "}", "s.json:1:7", "number overflow"},
	};
	for (const ErrorCase& entry : cases) {
		std::string error = ErrorOf(entry.text);
		EXPECT_EQ(error.substr(0, entry.place.size() + 2), entry.place + ": ") << entry.what << ": " << error;
		EXPECT_EQ(error.compare(entry.place.size() + 2, entry.starts.size(), entry.starts), 0)
		    << entry.what << ": " << error;
		EXPECT_EQ(error.find('\n'), std::string::npos) << entry.what;
		EXPECT_LT(error.size(), 400u) << entry.what;
	}
}

// Through the reader: "s.json:LINE:COLUMN" and the rest of its error.
std::pair<std::string, std::string> PlaceAndWhat(const std::string& text)
{
	std::string error;
	try {
		ReadSceneText(text, "s.json");
	} catch (const InputError& caught) {
		error = caught.what();
	}
	size_t space = error.find(": ");
	return {error.substr(0, space), space == std::string::npos ? "" : error.substr(space + 2)};
}

TEST(JsonEvents, ANulByteIsNamedAtItsPlace_WhereverItIs)
{
	using Text = std::string;
	const std::pair<Text, Text> cases[] = {
	    {Text("\0", 1), "s.json:1:1"},
	    {Text("{\"obj\0ects\": []}", 16), "s.json:1:6"},
	    {Text("{\"objects\":\n \0[]}", 17), "s.json:2:2"},
	    {Text("{\"objects\": []}\0", 16), "s.json:1:16"},
	    {Text("{\"objects\": [{\"name\": \"\xc3\xa9\0\"}]}", 29), "s.json:1:25"},
	};
	for (const auto& entry : cases) {
		EXPECT_EQ(PlaceAndWhat(entry.first),
		          std::make_pair(entry.second, Text("a NUL byte (a scene file is UTF-8 text)")))
		    << entry.second;
	}
	// Far into a file, past the chunks already let go of.
	quillmere_tests::TempFolder folder;
	std::string text = "{\"objects\": [\n";
	for (int i = 0; i < 20000; ++i) {
		text += "  {\"name\": \"o" + std::to_string(i) + "\"},\n";
	}
	text += std::string("  {\"na\0me\": 1}]}", 16);
	quillmere_tests::WriteFile(folder.Path("nul.json"), text);
	try {
		quillmere_host::ReadSceneBlueprint(folder.Path("nul.json"));
		ADD_FAILURE() << "a NUL byte was read";
	} catch (const InputError& error) {
		EXPECT_EQ(std::string(error.what()),
		          folder.Path("nul.json") + ":20002:7: a NUL byte (a scene file is UTF-8 text)");
	}
}

TEST(JsonEvents, AValueOrBlanksLongerThanTheLimit_RefusedAtTheirStart)
{
	const uint64_t limit = quillmere_host::kMaxValueBytes;
	// Up to the limit, a name is a name.
	std::string name(limit - 2, 'n'); // with its quotes, exactly the limit
	SceneDescription longest = ReadSceneText("{\"objects\": [{\"name\": \"" + name + "\"}]}", "s.json");
	ASSERT_EQ(longest.objects.size(), 1u);
	EXPECT_EQ(longest.objects[0].name.size(), name.size());

	auto refused = PlaceAndWhat("{\"objects\": [{\"name\": \"" + name + "n\"}]}");
	EXPECT_EQ(refused.first, "s.json:1:23");
	EXPECT_EQ(refused.second, "a string longer than 1 MiB (1048576 bytes); no name in a scene is that long");
	EXPECT_EQ(PlaceAndWhat("{\"" + name + "kk\": 1}").first, "s.json:1:2");
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [" + std::string(limit, '1') + "]}").second,
	          "a value longer than 1 MiB (1048576 bytes); no name in a scene is that long");
	EXPECT_EQ(PlaceAndWhat("{\"objects\":" + std::string(limit / 2, '\n') + std::string(limit / 2 + 1, ' ') + "[]}"),
	          std::make_pair(std::string("s.json:524289:524290"), std::string("more than 1 MiB of blanks in a row")));
	EXPECT_EQ(PlaceAndWhat("{\"objects\": [" + std::string(limit, '1') + "]}").first, "s.json:1:14");

	// Read from a file, the value is refused before the parser holds it all:
	// this one never ends.
	quillmere_tests::TempFolder folder;
	quillmere_tests::WriteFile(folder.Path("long.json"),
	                           "{\"objects\": [\n  {\"name\": \"" + std::string(8 * limit, 'k'));
	try {
		quillmere_host::ReadSceneBlueprint(folder.Path("long.json"));
		ADD_FAILURE() << "an endless name was read";
	} catch (const InputError& error) {
		EXPECT_EQ(std::string(error.what()).rfind(folder.Path("long.json") + ":2:12: a string longer than 1 MiB", 0),
		          0u)
		    << error.what();
	}
}

class ThrowingAtKey : public JsonEventListener
{
public:
	void Value(JsonValueKind, const std::string*) override { ++values; }
	void Key(const std::string& name) override
	{
		if (name == "stop") {
			throw InputError("s.json:9:9: stopped");
		}
	}
	void EndObject() override {}
	void EndArray() override {}
	void BeforeRefill() override {}
	int values = 0;
};

TEST(JsonEvents, AListenersError_StopsTheReadAndComesOutAsItWas)
{
	// Even before a syntax error further on.
	std::string text = "{\"a\": 1, \"stop\": 2, \"b\": 3 !";
	SceneInput input(text); // read in place
	ThrowingAtKey listener;
	try {
		ReadJsonEvents(input, "s.json", listener);
		ADD_FAILURE() << "read on";
	} catch (const InputError& error) {
		EXPECT_EQ(std::string(error.what()), "s.json:9:9: stopped");
	}
	EXPECT_EQ(listener.values, 2);
}

// From a file, chunk by chunk: the listener places what is about to go,
// and a value that never ends is refused long before it is all read.
TEST(JsonEvents, ReadFromAFile_RefillsToldFirst_AnEndlessValueRefusedEarly)
{
	quillmere_tests::TempFolder folder;
	std::string path = folder.Path("big.json");
	std::string text = "\n  [";
	for (int i = 0; i < 100000; ++i) {
		text += "\"name" + std::to_string(i) + "\", ";
	}
	quillmere_tests::WriteFile(path, text + "null]");
	{
		std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
		SceneInput input(file.get(), path);
		RecordingListener listener(input);
		ReadJsonEvents(input, path, listener);
		EXPECT_EQ(listener.events.size(), 100003u);
		EXPECT_EQ(listener.events.front(), "[@2:3");
		EXPECT_GT(listener.refills, 2);
	}

	const uint64_t limit = quillmere_host::kMaxValueBytes;
	quillmere_tests::WriteFile(path, "[\n \"" + std::string(16 * limit, 'k'));
	std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
	SceneInput input(file.get(), path);
	RecordingListener listener(input);
	try {
		ReadJsonEvents(input, path, listener);
		ADD_FAILURE() << "an endless string was read";
	} catch (const InputError& error) {
		EXPECT_EQ(std::string(error.what()).rfind(path + ":2:2: a string longer than 1 MiB", 0), 0u) << error.what();
	}
	// Refused within a few chunks of the bound, not at the end of the file.
	EXPECT_LT(static_cast<uint64_t>(input.Offset()), 2 * limit);
}

} // namespace
