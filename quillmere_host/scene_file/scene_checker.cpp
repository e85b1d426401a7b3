// What may appear where in a scene file, and what each value must be.
#include "scene_file/scene_checker.h"

#include "base/program_errors.h"
#include "base/quoted_text.h"

#include <algorithm>

namespace quillmere_host {

namespace {

const uint32_t kNone = SceneBlueprint::kNone;

// Room is made for what a file of this many bytes may hold before a byte is
// read, and then for eight times what has been read, up to the file's size:
// a file's size alone says nothing of what it holds.
const uint64_t kFirstGuessBytes = 4 << 20;
const uint64_t kGuessPerByteRead = 8;

// Which keys each kind of JSON object may hold.
const uint16_t kSceneKeys = kObjectsKey | kSelectionKey | kRootPropertiesKey;
const uint16_t kObjectKeys = kNameKey | kClassKey | kConstraintsKey | kOperatorsKey | kChildrenKey;
const uint16_t kConstraintKeys = kNameKey | kTypeKey;

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

} // namespace

SceneChecker::SceneChecker(SceneInput& input, const std::string& origin, SceneBlueprint& scene)
    : m_input(input), m_origin(origin), m_scene(scene)
{
}

void SceneChecker::Fail(const Place& place, const std::string& what) const
{
	throw InputError(PlacePrefix(m_origin, place) + what);
}

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

void SceneChecker::Value(JsonValueKind kind, const std::string* text)
{
	if (m_stack.empty()) {
		if (kind != JsonValueKind::Object) {
			Fail(Here(), "the scene must be a JSON object");
		}
		Push(Frame::Scene);
		return;
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
}

void SceneChecker::ExpectArray(SceneKey key, JsonValueKind kind)
{
	if (kind != JsonValueKind::Array) {
		Fail(Here(), "\"" + std::string(SceneKeyText(key)) + "\" must be an array");
	}
}

void SceneChecker::ExpectString(const char* label, JsonValueKind kind)
{
	if (kind != JsonValueKind::String) {
		Fail(Here(), (label ? std::string(label) : LabelOfTop()) + " must be a string");
	}
}

void SceneChecker::SceneValue(Open& scene, JsonValueKind kind)
{
	SceneKey key = scene.valueKey;
	scene.valueKey = kNoKey;
	ExpectArray(key, kind);
	Push(key == kObjectsKey ? Frame::Objects : key == kSelectionKey ? Frame::Selection : Frame::RootProperties);
}

void SceneChecker::ObjectElement(Open& array, JsonValueKind kind)
{
	++array.count;
	if (kind != JsonValueKind::Object) {
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

void SceneChecker::ObjectValue(Open& object, JsonValueKind kind, const std::string* text)
{
	SceneKey key = object.valueKey;
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

void SceneChecker::ConstraintElement(Open& array, JsonValueKind kind, const std::string* text)
{
	++array.count;
	if (kind == JsonValueKind::String) {
		m_scene.constraints.push_back(SceneBlueprint::Constraint{array.object, m_scene.texts.Intern(*text), 0});
		return;
	}
	if (kind != JsonValueKind::Object) {
		Fail(Here(), LabelOfTop() + " must be a name or {\"name\": ..., \"type\": ...}");
	}
	Push(Frame::Constraint, array.object);
}

void SceneChecker::ConstraintValue(Open& constraint, JsonValueKind kind, const std::string* text)
{
	SceneKey key = constraint.valueKey;
	constraint.valueKey = kNoKey;
	ExpectString(key == kNameKey ? "\"name\"" : "\"type\"", kind);
	if (key == kNameKey) {
		constraint.hasName = true;
		constraint.name = m_scene.texts.Intern(*text);
	} else {
		constraint.type = m_scene.texts.Intern(*text);
	}
}

void SceneChecker::OperatorElement(Open& array, JsonValueKind kind, const std::string* text)
{
	++array.count;
	ExpectString(nullptr, kind);
	m_scene.operators.push_back(SceneBlueprint::Operator{array.object, m_scene.texts.Intern(*text)});
}

void SceneChecker::SelectionElement(Open& array, JsonValueKind kind, const std::string* text)
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

void SceneChecker::RootPropertyElement(Open& array, JsonValueKind kind, const std::string* text)
{
	++array.count;
	ExpectString(nullptr, kind);
	if (text->empty()) {
		Fail(Here(), "a root property needs a name");
	}
	m_scene.rootProperties.push_back(m_scene.texts.Intern(*text));
	m_scene.rootPropertyPlaces.push_back(Here());
}

void SceneChecker::Key(const std::string& name)
{
	Open& top = m_stack.back();
	SceneKey key = kNoKey;
	switch (top.frame) {
	case Frame::Scene: key = SceneKeyNamed(name, kSceneKeys); break;
	case Frame::Object: key = SceneKeyNamed(name, kObjectKeys); break;
	default: key = SceneKeyNamed(name, kConstraintKeys); break;
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
}

void SceneChecker::EndObject()
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
}

void SceneChecker::EndArray()
{
	m_stack.pop_back();
}

void SceneChecker::Finish()
{
	for (const PendingSelection& pending : m_pendingSelection) {
		uint32_t object = pending.text < m_scene.objectOfText.size() ? m_scene.objectOfText[pending.text] : kNone;
		if (object == kNone) {
			Fail(pending.place, "selection names " + Quoted(m_scene.texts.Text(pending.text)) +
			                        ", which no object in the file is called");
		}
		m_scene.selection[pending.position] = object;
	}
}

void SceneChecker::BeforeRefill()
{
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

} // namespace quillmere_host
