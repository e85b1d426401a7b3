// The JSON library's parser driven over a scene file's input, its events
// passed on and its errors said as the rest of the program says them.
#include "scene_file/json_events.h"

#include "base/file_place.h"
#include "base/program_errors.h"
#include "base/quoted_text.h"
#include "scene_file/scene_format.h"

#include <nlohmann/json.hpp>

#include <cstring>

namespace quillmere_host {

namespace {

using Json = nlohmann::json;

const char* const kNulByteMessage = "a NUL byte (a scene file is UTF-8 text)";
const char* const kLongBlanksMessage = "more than 1 MiB of blanks in a row";

// nlohmann's messages quote the input they stopped at whole ("last read:
// '...'", "parsing '...'"): a 200 MB string would be echoed whole. The input
// is quoted as every message quotes it instead.
std::string WithInputQuoted(const std::string& message)
{
	// What follows the input is nlohmann's own, and short: "; expected '}'".
	const size_t kLongestTail = 80;
	for (const char* opener : {"last read: '", "parsing '"}) {
		size_t open = message.find(opener);
		if (open == std::string::npos) {
			continue;
		}
		size_t from = open + std::strlen(opener);
		size_t close = message.rfind("'; expected ");
		if (close == std::string::npos || close < from || message.size() - close > kLongestTail) {
			bool closed = message.size() > from && message.back() == '\'';
			close = closed ? message.size() - 1 : message.size();
		}
		std::string tail = close < message.size() ? message.substr(close + 1) : std::string();
		return message.substr(0, from - 1) + Quoted(message.substr(from, close - from)) + tail;
	}
	return message;
}

// The parser's event interface, over the listener: each event is checked
// against the value bound first and marks where the next one starts after.
class JsonEventReader : private SceneInput::Listener
{
public:
	JsonEventReader(SceneInput& input, const std::string& origin, JsonEventListener& listener)
	    : m_input(input), m_origin(origin), m_listener(listener)
	{
		m_input.SetListener(this);
	}
	~JsonEventReader() { m_input.SetListener(nullptr); }
	JsonEventReader(const JsonEventReader&) = delete;
	JsonEventReader& operator=(const JsonEventReader&) = delete;

	bool null() { return Value(JsonValueKind::Other, nullptr); }
	bool boolean(bool) { return Value(JsonValueKind::Other, nullptr); }
	bool number_integer(Json::number_integer_t) { return Value(JsonValueKind::Other, nullptr); }
	bool number_unsigned(Json::number_unsigned_t) { return Value(JsonValueKind::Other, nullptr); }
	bool number_float(Json::number_float_t, const std::string&) { return Value(JsonValueKind::Other, nullptr); }
	bool string(std::string& text) { return Value(JsonValueKind::String, &text); }
	bool binary(Json::binary_t&) { return Value(JsonValueKind::Other, nullptr); }
	bool start_object(std::size_t) { return Value(JsonValueKind::Object, nullptr); }
	bool start_array(std::size_t) { return Value(JsonValueKind::Array, nullptr); }
	bool key(std::string& name)
	{
		CheckSpan();
		m_listener.Key(name);
		return Done();
	}
	bool end_object()
	{
		m_listener.EndObject();
		return Done();
	}
	bool end_array()
	{
		m_listener.EndArray();
		return Done();
	}
	bool parse_error(std::size_t byte, const std::string&, const nlohmann::detail::exception& error);

	// After the parser's last event: a NUL byte it took for the end.
	void Finish()
	{
		if (m_input.EndedAtNul()) {
			Fail(m_input.PlaceOf(m_input.NulOffset()), kNulByteMessage);
		}
	}

private:
	[[noreturn]] void Fail(const Place& place, const std::string& what) const
	{
		throw InputError(PlacePrefix(m_origin, place) + what);
	}
	Place Here() { return m_input.ValueStartPlace(); }
	bool Value(JsonValueKind kind, const std::string* text)
	{
		CheckSpan();
		m_listener.Value(kind, text);
		return Done();
	}
	// Ends the parser's report of one thing: the next starts after it.
	bool Done()
	{
		m_input.MarkEnd();
		return true;
	}
	// Inline: the parser reports several things per object.
	void CheckSpan()
	{
		if (m_input.Offset() - m_input.Mark() > kMaxValueBytes) {
			CheckLongSpan();
		}
	}
	void CheckLongSpan();
	void BeforeRefill() override
	{
		CheckSpan();
		m_listener.BeforeRefill();
	}

	SceneInput& m_input;
	const std::string& m_origin;
	JsonEventListener& m_listener;
};

// The parser holds a value, and the blanks before it, whole until it ends:
// one that goes on and on would take all memory before it could be refused.
void JsonEventReader::CheckLongSpan()
{
	uint64_t reached = m_input.Offset();
	if (!m_input.FindValueStart()) {
		Fail(m_input.PlaceOf(reached), kLongBlanksMessage);
	}
	if (m_input.ValueStart() - m_input.Mark() > kMaxValueBytes) {
		Fail(Here(), kLongBlanksMessage);
	}
	if (reached - m_input.ValueStart() > kMaxValueBytes) {
		const char* what = m_input.ValueStartByte() == '"' ? "a string" : "a value";
		Fail(Here(), std::string(what) + " longer than 1 MiB (" + std::to_string(kMaxValueBytes) +
		                 " bytes); no name in a scene is that long");
	}
}

bool JsonEventReader::parse_error(std::size_t byte, const std::string&, const nlohmann::detail::exception& error)
{
	CheckSpan(); // a value too long is refused as such, even one the parser refuses too
	// The parser took the NUL byte for the end, and says so: say what it was.
	if (m_input.EndedAtNul()) {
		Fail(m_input.PlaceOf(m_input.NulOffset()), kNulByteMessage);
	}
	std::string what = error.what();
	if (error.id == 101) {
		// The parser's message names the byte; say it as a line and column instead.
		size_t detail = what.find("parse error");
		size_t colon = what.find(": ", detail == std::string::npos ? 0 : detail);
		std::string reason = colon == std::string::npos ? what : what.substr(colon + 2);
		// A token out of place is placed at its start; one the lexer could not
		// make out ("last read"), at the byte it stopped at.
		bool tokenOutOfPlace = reason.find("; last read: ") == std::string::npos && m_input.FindValueStart();
		Fail(tokenOutOfPlace ? Here() : m_input.PlaceOf(byte > 0 ? byte - 1 : 0),
		     "malformed JSON: " + WithInputQuoted(reason));
	}
	// Valid syntax the parser still can't hold, such as a number too large.
	size_t bracket = what.find("] ");
	Fail(Here(), WithInputQuoted(bracket == std::string::npos ? what : what.substr(bracket + 2)));
}

// The parser as nlohmann builds it inside Json::sax_parse, over our adapter.
// Its detail namespace can change between versions: the version is pinned.
static_assert(NLOHMANN_JSON_VERSION_MAJOR == 3 && NLOHMANN_JSON_VERSION_MINOR >= 11,
              "the scene reader drives nlohmann's parser directly; check it against this version");
using SceneParser = nlohmann::detail::parser<Json, SceneInputAdapter>;

} // namespace

void ReadJsonEvents(SceneInput& input, const std::string& origin, JsonEventListener& listener)
{
	JsonEventReader reader(input, origin, listener);
	SceneParser(SceneInputAdapter{&input}, nullptr, true, false).sax_parse(&reader, true);
	reader.Finish();
}

} // namespace quillmere_host
