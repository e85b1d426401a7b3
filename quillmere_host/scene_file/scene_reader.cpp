#include "scene_file/scene_reader.h"

#include "base/program_errors.h"
#include "base/quoted_text.h"
#include "scene_file/scene_input.h"
#include "base/text_encoding.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <memory>

namespace quillmere_host {

namespace {

using Json = nlohmann::json;
const uint32_t kNone = SceneBlueprint::kNone;

// Room is made for what a file of this many bytes may hold before a byte is
// read, and then for eight times what has been read, up to the file's size:
// a file's size alone says nothing of what it holds.
const uint64_t kFirstGuessBytes = 4 << 20;
const uint64_t kGuessPerByteRead = 8;

// What the value being read belongs to: the scene, one of its arrays, an
// object, one of an object's arrays, or a constraint given as an object.
enum class Frame : uint8_t {
	Scene,
	Objects,
	Selection,
	RootProperties,
	Object,
	Constraints,
	Operators,
	Children,
	Constraint
};

// The keys of the scene's three kinds of JSON object, as bits.
enum Key : uint16_t {
	kNoKey = 0,
	kObjectsKey = 1 << 0,
	kSelectionKey = 1 << 1,
	kRootPropertiesKey = 1 << 2,
	kNameKey = 1 << 3,
	kClassKey = 1 << 4,
	kConstraintsKey = 1 << 5,
	kOperatorsKey = 1 << 6,
	kChildrenKey = 1 << 7,
	kTypeKey = 1 << 8,
};

struct KeyName {
	Key key;
	std::string_view name;
};

const KeyName kKeys[] = {
    {kObjectsKey, "objects"},     {kSelectionKey, "selection"}, {kRootPropertiesKey, "root_properties"},
    {kNameKey, "name"},           {kClassKey, "class"},         {kConstraintsKey, "constraints"},
    {kOperatorsKey, "operators"}, {kChildrenKey, "children"},   {kTypeKey, "type"},
};
// Which keys each kind of JSON object may hold.
const uint16_t kSceneKeys = kObjectsKey | kSelectionKey | kRootPropertiesKey;
const uint16_t kObjectKeys = kNameKey | kClassKey | kConstraintsKey | kOperatorsKey | kChildrenKey;
const uint16_t kConstraintKeys = kNameKey | kTypeKey;

// The key called `name` among `allowed`, or kNoKey. Every object of a scene
// spells out its keys, so they are told apart by length before a compare.
Key KeyNamed(const std::string& name, uint16_t allowed)
{
	for (const KeyName& known : kKeys) {
		if ((known.key & allowed) != 0 && name.size() == known.name.size() && std::string_view(name) == known.name) {
			return known.key;
		}
	}
	return kNoKey;
}

std::string NameOfKey(Key key)
{
	for (const KeyName& known : kKeys) {
		if (known.key == key) {
			return std::string(known.name);
		}
	}
	return std::string();
}

// Dots separate full names and commas separate name lists.
bool HasSeparator(const std::string& name)
{
	for (char c : name) {
		if (c == '.' || c == ',') {
			return true;
		}
	}
	return false;
}

const char* const kGroupConstraintsMessage = "a Group has no kinematics, so no constraints";
const char* const kGroupChildrenMessage = "a Group cannot have children";

struct SceneClass {
	const char* name;
	XSI::siClassID classId;
};

const SceneClass kSceneClasses[] = {
    {"X3DObject", XSI::siX3DObjectID},         {"Model", XSI::siModelID},
    {"ChainRoot", XSI::siChainRootID},         {"ChainBone", XSI::siChainBoneID},
    {"ChainEffector", XSI::siChainEffectorID}, {"Group", XSI::siGroupID},
};

// "X3DObject, Model, ... or Group", for the error on an unknown class.
std::string SceneClassList()
{
	std::string list;
	size_t count = sizeof(kSceneClasses) / sizeof(kSceneClasses[0]);
	for (size_t i = 0; i < count; ++i) {
		list += (i == 0 ? "" : i + 1 == count ? " or " : ", ") + std::string(kSceneClasses[i].name);
	}
	return list;
}

enum class ValueKind { Object, Array, String, Other };

// A place asked for only when needed: most never are, and counting lines
// for each would cost more than the rest of the check.
struct LazyPlace {
	uint64_t offset = 0;
	bool set = false;
	bool known = false;
	Place place;

	void Mark(uint64_t at)
	{
		offset = at;
		set = true;
		known = false;
	}
	const Place& Get(SceneInput& input)
	{
		if (!known) {
			place = input.PlaceOf(offset);
			known = true;
		}
		return place;
	}
};

struct Open {
	Frame frame;
	uint16_t keysSeen = kNoKey;
	Key valueKey = kNoKey; // in an object: the key whose value comes next
	uint32_t count = 0;    // in an array: elements begun so far
	uint32_t object = kNone;
	LazyPlace place;
	// In an object: how deep it nests; where its constraints and children
	// began, for a class given after them.
	int depth = 0;
	LazyPlace constraintsPlace;
	LazyPlace childrenPlace;
	// In a constraint object.
	bool hasName = false;
	uint32_t name = 0;
	uint32_t type = 0;
};

// A selected name not yet among the objects read: it may come later.
struct PendingSelection {
	size_t position;
	uint32_t text;
	Place place;
};

// The parser's events, checked against the scene format as they come. The
// first value that can't belong in a scene stops the read with a one-line
// error saying where it is.
class SceneChecker : private SceneInput::Listener
{
public:
	SceneChecker(SceneInput& input, const std::string& origin, SceneBlueprint& scene)
	    : m_input(input), m_origin(origin), m_scene(scene)
	{
		m_input.SetListener(this);
	}
	~SceneChecker() { m_input.SetListener(nullptr); }

	// The parser's event interface.
	bool null() { return Value(ValueKind::Other, nullptr); }
	bool boolean(bool) { return Value(ValueKind::Other, nullptr); }
	bool number_integer(Json::number_integer_t) { return Value(ValueKind::Other, nullptr); }
	bool number_unsigned(Json::number_unsigned_t) { return Value(ValueKind::Other, nullptr); }
	bool number_float(Json::number_float_t, const std::string&) { return Value(ValueKind::Other, nullptr); }
	bool string(std::string& text) { return Value(ValueKind::String, &text); }
	bool binary(Json::binary_t&) { return Value(ValueKind::Other, nullptr); }
	bool start_object(std::size_t) { return Value(ValueKind::Object, nullptr); }
	bool start_array(std::size_t) { return Value(ValueKind::Array, nullptr); }
	bool key(std::string& name);
	bool end_object();
	bool end_array();
	bool parse_error(std::size_t byte, const std::string&, const nlohmann::detail::exception& error);

	// After the last byte: what could only be checked once all was read.
	void Finish();

	// Room for the scene, judged by what has been read of a file of `bytes`.
	void ReserveFor(uint64_t fileBytes);

private:
	[[noreturn]] void Fail(const Place& place, const std::string& what) const
	{
		throw InputError(PlacePrefix(m_origin, place) + what);
	}
	// Where the value (or key, or bracket) just read starts.
	Place Here() { return m_input.ValueStartPlace(); }
	// Where the bracket just read is: the parser reports one as soon as it
	// has read it, so it is the last byte read.
	uint64_t BracketOffset() const { return m_input.Offset() - 1; }
	// Ends the parser's report of one value: the next starts after it.
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
	void BeforeRefill() override;
	std::string Label(size_t depth) const;
	std::string LabelOfTop() const { return Label(m_stack.size()); }

	bool Value(ValueKind kind, std::string* text);
	void SceneValue(Open& scene, ValueKind kind);
	void ObjectElement(Open& array, ValueKind kind);
	void ObjectValue(Open& object, ValueKind kind, std::string* text);
	void ConstraintElement(Open& array, ValueKind kind, std::string* text);
	void ConstraintValue(Open& constraint, ValueKind kind, std::string* text);
	void SelectionElement(Open& array, ValueKind kind, std::string* text);
	void RootPropertyElement(Open& array, ValueKind kind, std::string* text);
	void OperatorElement(Open& array, ValueKind kind, std::string* text);
	void Push(Frame frame, uint32_t object = kNone);
	void ExpectArray(Key key, ValueKind kind);
	// `label` names the value; nullptr names the array element being read.
	void ExpectString(const char* label, ValueKind kind);
	void SetName(Open& object, const std::string& name);
	void SetClass(Open& object, const std::string& className);

	SceneInput& m_input;
	std::string m_origin;
	SceneBlueprint& m_scene;
	uint64_t m_fileBytes = 0; // 0: unknown, as for a pipe
	uint64_t m_reservedFor = 0;
	std::vector<Open> m_stack;
	std::vector<size_t> m_nameLines; // per object: the line of its name
	std::vector<PendingSelection> m_pendingSelection;
	// Per text: the line the selection first named it on, or 0. Object
	// names are unique, so a text named twice is an object selected twice.
	std::vector<size_t> m_selectedLines;
};

std::string SceneChecker::Label(size_t depth) const
{
	std::string label;
	for (size_t i = 0; i < depth; ++i) {
		const Open& open = m_stack[i];
		const char* segment = nullptr;
		switch (open.frame) {
		case Frame::Objects: segment = "objects/"; break;
		case Frame::Selection: segment = "selection/"; break;
		case Frame::RootProperties: segment = "root_properties/"; break;
		case Frame::Children: segment = "/children/"; break;
		case Frame::Constraints: segment = "/constraints/"; break;
		case Frame::Operators: segment = "/operators/"; break;
		default: break;
		}
		if (segment != nullptr) {
			label += segment + std::to_string(open.count - 1);
		}
	}
	return label;
}

void SceneChecker::Push(Frame frame, uint32_t object)
{
	Open open;
	open.frame = frame;
	open.object = object;
	open.place.Mark(BracketOffset());
	m_stack.push_back(open);
}

bool SceneChecker::Value(ValueKind kind, std::string* text)
{
	CheckSpan();
	if (m_stack.empty()) {
		if (kind != ValueKind::Object) {
			Fail(Here(), "the scene must be a JSON object");
		}
		Push(Frame::Scene);
		return Done();
	}
	Open& top = m_stack.back();
	switch (top.frame) {
	case Frame::Scene: SceneValue(top, kind); break;
	case Frame::Objects:
	case Frame::Children: ObjectElement(top, kind); break;
	case Frame::Object: ObjectValue(top, kind, text); break;
	case Frame::Constraints: ConstraintElement(top, kind, text); break;
	case Frame::Constraint: ConstraintValue(top, kind, text); break;
	case Frame::Operators: OperatorElement(top, kind, text); break;
	case Frame::Selection: SelectionElement(top, kind, text); break;
	case Frame::RootProperties: RootPropertyElement(top, kind, text); break;
	}
	return Done();
}

void SceneChecker::ExpectArray(Key key, ValueKind kind)
{
	if (kind != ValueKind::Array) {
		Fail(Here(), "\"" + NameOfKey(key) + "\" must be an array");
	}
}

void SceneChecker::ExpectString(const char* label, ValueKind kind)
{
	if (kind != ValueKind::String) {
		Fail(Here(), (label ? std::string(label) : LabelOfTop()) + " must be a string");
	}
}

void SceneChecker::SceneValue(Open& scene, ValueKind kind)
{
	Key key = scene.valueKey;
	scene.valueKey = kNoKey;
	ExpectArray(key, kind);
	Push(key == kObjectsKey ? Frame::Objects : key == kSelectionKey ? Frame::Selection : Frame::RootProperties);
}

void SceneChecker::ObjectElement(Open& array, ValueKind kind)
{
	++array.count;
	if (kind != ValueKind::Object) {
		Fail(Here(), LabelOfTop() + " must be an object");
	}
	uint32_t parent = kNone;
	int depth = 1;
	if (array.frame == Frame::Children) {
		const Open& owner = m_stack[m_stack.size() - 2];
		parent = owner.object;
		depth = owner.depth + 1;
	}
	if (depth > kMaxObjectDepth) {
		Fail(Here(), "objects nest deeper than " + std::to_string(kMaxObjectDepth) + " levels");
	}
	uint32_t index = static_cast<uint32_t>(m_scene.objects.size());
	SceneBlueprint::Object object;
	object.parent = parent;
	m_scene.objects.push_back(object);
	m_nameLines.push_back(0);
	Push(Frame::Object, index);
	m_stack.back().depth = depth;
}

void SceneChecker::ObjectValue(Open& object, ValueKind kind, std::string* text)
{
	Key key = object.valueKey;
	object.valueKey = kNoKey;
	bool isGroup = m_scene.objects[object.object].classId == XSI::siGroupID;
	switch (key) {
	case kNameKey:
		ExpectString("\"name\"", kind);
		SetName(object, *text);
		break;
	case kClassKey:
		ExpectString("\"class\"", kind);
		SetClass(object, *text);
		break;
	case kConstraintsKey:
		if (isGroup) {
			Fail(Here(), kGroupConstraintsMessage);
		}
		ExpectArray(key, kind);
		object.constraintsPlace.Mark(BracketOffset());
		Push(Frame::Constraints, object.object);
		break;
	case kOperatorsKey:
		ExpectArray(key, kind);
		Push(Frame::Operators, object.object);
		break;
	default: // kChildrenKey
		if (isGroup) {
			Fail(Here(), kGroupChildrenMessage);
		}
		ExpectArray(key, kind);
		object.childrenPlace.Mark(BracketOffset());
		Push(Frame::Children, object.object);
		break;
	}
}

void SceneChecker::SetName(Open& object, const std::string& name)
{
	Place place = Here();
	if (name.empty()) {
		Fail(place, "an object's name must not be empty");
	}
	// Dots separate full names and commas separate name lists: such a name
	// could never be addressed.
	if (HasSeparator(name)) {
		Fail(place, "object name " + Quoted(name) + " contains '.' or ','");
	}
	if (name == "Scene_Root") {
		Fail(place, "\"Scene_Root\" is the scene root's own name");
	}
	uint32_t text = m_scene.texts.Intern(name);
	if (text >= m_scene.objectOfText.size()) {
		m_scene.objectOfText.resize(m_scene.texts.Count(), kNone);
	}
	uint32_t first = m_scene.objectOfText[text];
	if (first != kNone) {
		Fail(place, "duplicate object name " + Quoted(name) + " (first used at line " +
		                std::to_string(m_nameLines[first]) + ")");
	}
	m_scene.objectOfText[text] = object.object;
	m_scene.objects[object.object].name = text;
	m_nameLines[object.object] = place.line;
}

void SceneChecker::SetClass(Open& object, const std::string& className)
{
	XSI::siClassID classId = SceneClassFromName(className);
	if (classId == XSI::siUnknownClassID) {
		Fail(Here(), "unknown class " + Quoted(className) + " (expected " + SceneClassList() + ")");
	}
	if (classId == XSI::siGroupID && object.constraintsPlace.set) {
		Fail(object.constraintsPlace.Get(m_input), kGroupConstraintsMessage);
	}
	if (classId == XSI::siGroupID && object.childrenPlace.set) {
		Fail(object.childrenPlace.Get(m_input), kGroupChildrenMessage);
	}
	m_scene.objects[object.object].classId = classId;
}

void SceneChecker::ConstraintElement(Open& array, ValueKind kind, std::string* text)
{
	++array.count;
	if (kind == ValueKind::String) {
		m_scene.constraints.push_back(SceneBlueprint::Constraint{array.object, m_scene.texts.Intern(*text), 0});
		return;
	}
	if (kind != ValueKind::Object) {
		Fail(Here(), LabelOfTop() + " must be a name or {\"name\": ..., \"type\": ...}");
	}
	Push(Frame::Constraint, array.object);
}

void SceneChecker::ConstraintValue(Open& constraint, ValueKind kind, std::string* text)
{
	Key key = constraint.valueKey;
	constraint.valueKey = kNoKey;
	ExpectString(key == kNameKey ? "\"name\"" : "\"type\"", kind);
	if (key == kNameKey) {
		constraint.hasName = true;
		constraint.name = m_scene.texts.Intern(*text);
	} else {
		constraint.type = m_scene.texts.Intern(*text);
	}
}

void SceneChecker::OperatorElement(Open& array, ValueKind kind, std::string* text)
{
	++array.count;
	ExpectString(nullptr, kind);
	m_scene.operators.push_back(SceneBlueprint::Operator{array.object, m_scene.texts.Intern(*text)});
}

void SceneChecker::SelectionElement(Open& array, ValueKind kind, std::string* text)
{
	++array.count;
	ExpectString(nullptr, kind);
	uint32_t name = m_scene.texts.Intern(*text);
	if (name >= m_selectedLines.size()) {
		m_selectedLines.resize(std::max<size_t>(m_scene.texts.Count(), m_selectedLines.size() * 2), 0);
	}
	Place place = Here();
	if (m_selectedLines[name] != 0) {
		// The host's selection is a set: the object would be processed, and written, twice.
		Fail(place, "selection names " + Quoted(*text) + " twice (first at line " +
		                std::to_string(m_selectedLines[name]) + "): a selection holds an object once");
	}
	m_selectedLines[name] = place.line;
	uint32_t object = name < m_scene.objectOfText.size() ? m_scene.objectOfText[name] : kNone;
	if (object == kNone) {
		// The object may still come later in the file.
		m_pendingSelection.push_back(PendingSelection{m_scene.selection.size(), name, place});
	}
	m_scene.selection.push_back(object);
}

void SceneChecker::RootPropertyElement(Open& array, ValueKind kind, std::string* text)
{
	++array.count;
	ExpectString(nullptr, kind);
	if (text->empty()) {
		Fail(Here(), "a root property needs a name");
	}
	m_scene.rootProperties.push_back(m_scene.texts.Intern(*text));
	m_scene.rootPropertyPlaces.push_back(Here());
}

bool SceneChecker::key(std::string& name)
{
	CheckSpan();
	Open& top = m_stack.back();
	Key key = kNoKey;
	switch (top.frame) {
	case Frame::Scene: key = KeyNamed(name, kSceneKeys); break;
	case Frame::Object: key = KeyNamed(name, kObjectKeys); break;
	default: key = KeyNamed(name, kConstraintKeys); break;
	}
	if (key == kNoKey) {
		Fail(Here(), "unknown key " + Quoted(name) + " in " +
		                 (top.frame == Frame::Scene ? std::string("the scene") : LabelOfTop()));
	}
	if ((top.keysSeen & key) != 0) {
		Fail(Here(), "key " + Quoted(name) + " appears twice in one object");
	}
	top.keysSeen = static_cast<uint16_t>(top.keysSeen | key);
	top.valueKey = key;
	return Done();
}

bool SceneChecker::end_object()
{
	Open closed = m_stack.back();
	m_stack.pop_back();
	if (closed.frame == Frame::Object && m_scene.objects[closed.object].name == 0) {
		Fail(closed.place.Get(m_input), LabelOfTop() + " has no \"name\"");
	}
	if (closed.frame == Frame::Constraint) {
		if (!closed.hasName) {
			Fail(closed.place.Get(m_input), LabelOfTop() + " has no \"name\"");
		}
		m_scene.constraints.push_back(SceneBlueprint::Constraint{closed.object, closed.name, closed.type});
	}
	return Done();
}

bool SceneChecker::end_array()
{
	m_stack.pop_back();
	return Done();
}

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

bool SceneChecker::parse_error(std::size_t byte, const std::string&, const nlohmann::detail::exception& error)
{
	CheckSpan(); // a value too long is refused as such, even one the parser refuses too
	// The parser took the NUL byte for the end, and says so: say what it was.
	if (m_input.EndedAtNul()) {
		Fail(m_input.PlaceOf(m_input.NulOffset()), "a NUL byte (a scene file is UTF-8 text)");
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

void SceneChecker::Finish()
{
	if (m_input.EndedAtNul()) {
		Fail(m_input.PlaceOf(m_input.NulOffset()), "a NUL byte (a scene file is UTF-8 text)");
	}
	for (const PendingSelection& pending : m_pendingSelection) {
		uint32_t object = pending.text < m_scene.objectOfText.size() ? m_scene.objectOfText[pending.text] : kNone;
		if (object == kNone) {
			Fail(pending.place, "selection names " + Quoted(m_scene.texts.Text(pending.text)) +
			                        ", which no object in the file is called");
		}
		m_scene.selection[pending.position] = object;
	}
}

// The parser holds a value, and the blanks before it, whole until it ends:
// one that goes on and on would take all memory before it could be refused.
void SceneChecker::CheckLongSpan()
{
	uint64_t reached = m_input.Offset();
	if (!m_input.FindValueStart()) {
		Fail(m_input.PlaceOf(reached), "more than 1 MiB of blanks in a row");
	}
	if (m_input.ValueStart() - m_input.Mark() > kMaxValueBytes) {
		Fail(Here(), "more than 1 MiB of blanks in a row");
	}
	if (reached - m_input.ValueStart() > kMaxValueBytes) {
		const char* what = m_input.ValueStartByte() == '"' ? "a string" : "a value";
		Fail(Here(), std::string(what) + " longer than 1 MiB (" + std::to_string(kMaxValueBytes) +
		                 " bytes); no name in a scene is that long");
	}
}

void SceneChecker::BeforeRefill()
{
	CheckSpan();
	// The open objects' places, before the bytes they point at are dropped.
	for (Open& open : m_stack) {
		for (LazyPlace* place : {&open.place, &open.constraintsPlace, &open.childrenPlace}) {
			if (place->set) {
				place->Get(m_input);
			}
		}
	}
	ReserveFor(m_fileBytes);
}

void SceneChecker::ReserveFor(uint64_t fileBytes)
{
	m_fileBytes = fileBytes;
	uint64_t guess = std::min(fileBytes, std::max(kFirstGuessBytes, kGuessPerByteRead * m_input.Offset()));
	// Grown in large steps: each step copies what was read so far.
	if (guess > m_reservedFor && (m_reservedFor == 0 || m_input.Offset() * 4 > m_reservedFor)) {
		m_reservedFor = guess;
		m_scene.ReserveFor(guess);
	}
}

// The parser as nlohmann builds it inside Json::sax_parse, over our adapter.
// Its detail namespace can change between versions: the version is pinned.
static_assert(NLOHMANN_JSON_VERSION_MAJOR == 3 && NLOHMANN_JSON_VERSION_MINOR >= 11,
              "the scene reader drives nlohmann's parser directly; check it against this version");
using SceneParser = nlohmann::detail::parser<Json, SceneInputAdapter>;

SceneBlueprint Read(SceneInput& input, const std::string& origin, uint64_t bytes)
{
	SceneBlueprint scene;
	SceneChecker checker(input, origin, scene);
	checker.ReserveFor(bytes);
	SceneParser(SceneInputAdapter{&input}, nullptr, true, false).sax_parse(&checker, true);
	checker.Finish();
	return scene;
}

} // namespace

XSI::siClassID SceneClassFromName(const std::string& name)
{
	for (const SceneClass& known : kSceneClasses) {
		if (name == known.name) {
			return known.classId;
		}
	}
	return XSI::siUnknownClassID;
}

SceneBlueprint ReadSceneBlueprintText(const std::string& text, const std::string& origin)
{
	SceneInput input(text);
	return Read(input, origin, text.size());
}

SceneBlueprint ReadSceneBlueprint(const std::string& path)
{
	std::error_code ignored;
	if (std::filesystem::is_directory(path, ignored)) {
		throw InputError(Excerpt(path) + ": is a folder, not a scene file");
	}
	std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
	if (!file) {
		throw InputError(Excerpt(path) + ": cannot read the scene file: " + std::strerror(errno));
	}
	SceneInput input(file.get(), path);
	// A pipe or a device has no size: its scene grows as it comes.
	uint64_t bytes = std::filesystem::is_regular_file(path, ignored) ? std::filesystem::file_size(path, ignored) : 0;
	return Read(input, path, bytes == static_cast<uint64_t>(-1) ? 0 : bytes);
}

SceneDescription ReadSceneText(const std::string& text, const std::string& origin)
{
	return DescribeScene(ReadSceneBlueprintText(text, origin));
}

SceneDescription ReadSceneFile(const std::string& path)
{
	return DescribeScene(ReadSceneBlueprint(path));
}

} // namespace quillmere_host
