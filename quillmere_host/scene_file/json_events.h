// A scene file's JSON as a stream of events, read by the JSON library: its
// syntax errors, a value too long and a NUL byte become one-line errors
// placed in the file. The only code that knows the library.
#ifndef QUILLMERE_HOST_JSON_EVENTS_H
#define QUILLMERE_HOST_JSON_EVENTS_H

#include "scene_file/scene_input.h"

#include <string>

namespace quillmere_host {

enum class JsonValueKind : uint8_t { Object, Array, String, Other };

// Told what the JSON text says, in order. While an event is told, the
// input's ValueStartPlace() is where what it reports starts; an opening
// bracket is told as soon as it is read, so it is the last byte read.
// Throwing (an InputError) stops the read.
class JsonEventListener
{
public:
	// A value: an object or an array opens, or a scalar was read whole.
	// `text` holds a string's text, and is nullptr for any other kind.
	virtual void Value(JsonValueKind kind, const std::string* text) = 0;
	virtual void Key(const std::string& name) = 0;
	virtual void EndObject() = 0;
	virtual void EndArray() = 0;
	// The bytes read so far are about to be dropped: the last moment to
	// ask for the place of one of them.
	virtual void BeforeRefill() = 0;

protected:
	~JsonEventListener() = default;
};

// Reads one JSON value from `input` to its end, telling `listener`. Throws
// InputError ("ORIGIN:LINE:COLUMN: what is wrong") at the first byte that
// is not JSON, at a NUL byte, and at a value or a run of blanks longer than
// kMaxValueBytes, before the library holds it all.
void ReadJsonEvents(SceneInput& input, const std::string& origin, JsonEventListener& listener);

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
