#include "scene_reader.h"

#include "input_error.h"
#include "text_encoding.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>

namespace quillmere_host {

namespace {

using Json = nlohmann::json;

struct Place {
	size_t line = 1;
	size_t column = 1;
};

// Walks the text for the JSON parser and keeps the line and column it has
// reached, so that each parsed value can be given a place in the file.
class PlaceTrackingIterator
{
public:
	using iterator_category = std::input_iterator_tag;
	using value_type = char;
	using difference_type = std::ptrdiff_t;
	using pointer = const char*;
	using reference = const char&;

	PlaceTrackingIterator(const char* at, Place* place) : m_at(at), m_place(place) {}
	reference operator*() const { return *m_at; }
	PlaceTrackingIterator& operator++()
	{
		if (*m_at == '\n') {
			++m_place->line;
			m_place->column = 1;
		} else {
			++m_place->column;
		}
		++m_at;
		return *this;
	}
	bool operator==(const PlaceTrackingIterator& other) const { return m_at == other.m_at; }
	bool operator!=(const PlaceTrackingIterator& other) const { return m_at != other.m_at; }

private:
	const char* m_at;
	Place* m_place;
};

// The parsed document and the place of every value in it, by JSON pointer.
struct PlacedDocument {
	Json root;
	std::map<std::string, Place> places;
};

struct Frame {
	bool isArray = false;
	size_t index = 0;
	std::string key;
};

std::string EscapePointerToken(const std::string& token)
{
	std::string out;
	for (char c : token) {
		out += c == '~' ? "~0" : c == '/' ? "~1" : std::string(1, c);
	}
	return out;
}

std::string PointerOf(const std::vector<Frame>& frames)
{
	std::string pointer;
	for (const Frame& frame : frames) {
		pointer += "/" + (frame.isArray ? std::to_string(frame.index) : EscapePointerToken(frame.key));
	}
	return pointer;
}

Place PlaceOfOffset(const std::string& text, size_t offset)
{
	Place place;
	for (size_t i = 0; i < offset && i < text.size(); ++i) {
		if (text[i] == '\n') {
			++place.line;
			place.column = 1;
		} else {
			++place.column;
		}
	}
	return place;
}

std::string Where(const std::string& origin, const Place& place)
{
	return origin + ":" + std::to_string(place.line) + ":" + std::to_string(place.column);
}

PlacedDocument Parse(const std::string& text, const std::string& origin)
{
	PlacedDocument document;
	Place reached;
	std::vector<Frame> frames;
	auto record = [&](const std::string& pointer) { document.places.emplace(pointer, reached); };
	auto advanceParent = [&]() {
		if (!frames.empty() && frames.back().isArray) {
			++frames.back().index;
		}
	};
	Json::parser_callback_t callback = [&](int, Json::parse_event_t event, Json& parsed) {
		switch (event) {
		case Json::parse_event_t::object_start:
		case Json::parse_event_t::array_start:
			record(PointerOf(frames));
			frames.push_back(Frame{event == Json::parse_event_t::array_start, 0, std::string()});
			break;
		case Json::parse_event_t::key:
			frames.back().key = parsed.get<std::string>();
			break;
		case Json::parse_event_t::object_end:
		case Json::parse_event_t::array_end:
			frames.pop_back();
			advanceParent();
			break;
		case Json::parse_event_t::value:
			record(PointerOf(frames));
			advanceParent();
			break;
		}
		return true;
	};
	try {
		const char* begin = text.data();
		const char* end = begin + text.size();
		document.root = Json::parse(PlaceTrackingIterator(begin, &reached), PlaceTrackingIterator(end, &reached),
		                            callback);
	} catch (const Json::parse_error& error) {
		// The parser's message names the byte; say it as a line and column instead.
		std::string what = error.what();
		size_t detail = what.find("parse error");
		size_t colon = what.find(": ", detail == std::string::npos ? 0 : detail);
		std::string reason = colon == std::string::npos ? what : what.substr(colon + 2);
		size_t offset = error.byte > 0 ? error.byte - 1 : 0;
		throw InputError(Where(origin, PlaceOfOffset(text, offset)) + ": malformed JSON: " + reason);
	}
	return document;
}

// Checks a parsed document against the scene format, with places for errors.
class SceneChecker
{
public:
	SceneChecker(const PlacedDocument& document, const std::string& origin) : m_document(document), m_origin(origin)
	{
	}

	SceneDescription Check()
	{
		SceneDescription scene;
		const Json& root = m_document.root;
		Expect(root.is_object(), "", "the scene must be a JSON object");
		CheckKeys(root, "", {"objects", "selection", "root_properties"});
		if (root.contains("objects")) {
			const Json& objects = ArrayAt(root, "/objects", "objects");
			for (size_t i = 0; i < objects.size(); ++i) {
				scene.objects.push_back(Object(objects[i], "/objects/" + std::to_string(i), 1));
			}
		}
		if (root.contains("selection")) {
			for (const std::pair<std::wstring, std::string>& entry : Strings(root, "/selection", "selection")) {
				Expect(m_names.count(entry.first) != 0, entry.second,
				       "selection names \"" + ToUtf8(entry.first) + "\", which no object in the file is called");
				scene.selection.push_back(entry.first);
			}
		}
		if (root.contains("root_properties")) {
			for (const std::pair<std::wstring, std::string>& entry :
			     Strings(root, "/root_properties", "root_properties")) {
				Expect(!entry.first.empty(), entry.second, "a root property needs a name");
				scene.rootProperties.push_back(entry.first);
			}
		}
		return scene;
	}

private:
	[[noreturn]] void Fail(const std::string& pointer, const std::string& what) const
	{
		auto found = m_document.places.find(pointer);
		Place place = found == m_document.places.end() ? Place() : found->second;
		throw InputError(Where(m_origin, place) + ": " + what);
	}

	void Expect(bool condition, const std::string& pointer, const std::string& what) const
	{
		if (!condition) {
			Fail(pointer, what);
		}
	}

	static std::string Label(const std::string& pointer)
	{
		return pointer.empty() ? std::string("the scene") : pointer.substr(1);
	}

	void CheckKeys(const Json& object, const std::string& pointer, const std::set<std::string>& allowed) const
	{
		for (auto it = object.begin(); it != object.end(); ++it) {
			Expect(allowed.count(it.key()) != 0, pointer + "/" + EscapePointerToken(it.key()),
			       "unknown key \"" + it.key() + "\" in " + Label(pointer));
		}
	}

	const Json& ArrayAt(const Json& owner, const std::string& pointer, const char* key) const
	{
		const Json& value = owner.at(key);
		Expect(value.is_array(), pointer, std::string("\"") + key + "\" must be an array");
		return value;
	}

	std::wstring StringAt(const Json& value, const std::string& pointer, const std::string& what) const
	{
		Expect(value.is_string(), pointer, what + " must be a string");
		return FromUtf8(value.get<std::string>());
	}

	std::vector<std::pair<std::wstring, std::string>> Strings(const Json& owner, const std::string& pointer,
	                                                          const char* key) const
	{
		std::vector<std::pair<std::wstring, std::string>> out;
		const Json& values = ArrayAt(owner, pointer, key);
		for (size_t i = 0; i < values.size(); ++i) {
			std::string at = pointer + "/" + std::to_string(i);
			out.emplace_back(StringAt(values[i], at, Label(at)), at);
		}
		return out;
	}

	ObjectSpec Object(const Json& value, const std::string& pointer, int depth)
	{
		Expect(value.is_object(), pointer, Label(pointer) + " must be an object");
		Expect(depth <= kMaxObjectDepth, pointer,
		       "objects nest deeper than " + std::to_string(kMaxObjectDepth) + " levels");
		CheckKeys(value, pointer, {"name", "class", "constraints", "operators", "children"});
		Expect(value.contains("name"), pointer, Label(pointer) + " has no \"name\"");

		ObjectSpec object;
		std::string namePointer = pointer + "/name";
		object.name = StringAt(value.at("name"), namePointer, "\"name\"");
		CheckName(object.name, namePointer);

		if (value.contains("class")) {
			std::wstring className = StringAt(value.at("class"), pointer + "/class", "\"class\"");
			object.classId = SceneClassFromName(className);
			Expect(object.classId != XSI::siUnknownClassID, pointer + "/class",
			       "unknown class \"" + ToUtf8(className) +
			           "\" (expected X3DObject, Model, ChainRoot, ChainBone, ChainEffector or Group)");
		}
		bool isGroup = object.classId == XSI::siGroupID;
		if (value.contains("constraints")) {
			Expect(!isGroup, pointer + "/constraints", "a Group has no kinematics, so no constraints");
			const Json& constraints = ArrayAt(value, pointer + "/constraints", "constraints");
			for (size_t i = 0; i < constraints.size(); ++i) {
				object.constraints.push_back(Constraint(constraints[i], pointer + "/constraints/" + std::to_string(i)));
			}
		}
		if (value.contains("operators")) {
			for (const std::pair<std::wstring, std::string>& entry :
			     Strings(value, pointer + "/operators", "operators")) {
				object.operators.push_back(entry.first);
			}
		}
		if (value.contains("children")) {
			Expect(!isGroup, pointer + "/children", "a Group cannot have children");
			const Json& children = ArrayAt(value, pointer + "/children", "children");
			for (size_t i = 0; i < children.size(); ++i) {
				object.children.push_back(Object(children[i], pointer + "/children/" + std::to_string(i), depth + 1));
			}
		}
		return object;
	}

	ConstraintSpec Constraint(const Json& value, const std::string& pointer) const
	{
		ConstraintSpec constraint;
		if (value.is_string()) {
			constraint.name = FromUtf8(value.get<std::string>());
			return constraint;
		}
		Expect(value.is_object(), pointer, Label(pointer) + " must be a name or {\"name\": ..., \"type\": ...}");
		CheckKeys(value, pointer, {"name", "type"});
		Expect(value.contains("name"), pointer, Label(pointer) + " has no \"name\"");
		constraint.name = StringAt(value.at("name"), pointer + "/name", "\"name\"");
		if (value.contains("type")) {
			constraint.type = StringAt(value.at("type"), pointer + "/type", "\"type\"");
		}
		return constraint;
	}

	void CheckName(const std::wstring& name, const std::string& pointer)
	{
		Expect(!name.empty(), pointer, "an object's name must not be empty");
		// Dots separate full names and commas separate name lists: such a
		// name could never be addressed.
		Expect(name.find_first_of(L".,") == std::wstring::npos, pointer,
		       "object name \"" + ToUtf8(name) + "\" contains '.' or ','");
		Expect(name != L"Scene_Root", pointer, "\"Scene_Root\" is the scene root's own name");
		auto inserted = m_names.emplace(name, pointer);
		Expect(inserted.second, pointer,
		       "duplicate object name \"" + ToUtf8(name) + "\" (first used at " + Label(inserted.first->second) + ")");
	}

	const PlacedDocument& m_document;
	std::string m_origin;
	std::map<std::wstring, std::string> m_names;
};

} // namespace

XSI::siClassID SceneClassFromName(const std::wstring& name)
{
	const std::pair<const wchar_t*, XSI::siClassID> kClasses[] = {
	    {L"X3DObject", XSI::siX3DObjectID},         {L"Model", XSI::siModelID},
	    {L"ChainRoot", XSI::siChainRootID},         {L"ChainBone", XSI::siChainBoneID},
	    {L"ChainEffector", XSI::siChainEffectorID}, {L"Group", XSI::siGroupID},
	};
	for (const auto& entry : kClasses) {
		if (name == entry.first) {
			return entry.second;
		}
	}
	return XSI::siUnknownClassID;
}

SceneDescription ReadSceneText(const std::string& text, const std::string& origin)
{
	PlacedDocument document = Parse(text, origin);
	return SceneChecker(document, origin).Check();
}

SceneDescription ReadSceneFile(const std::string& path)
{
	std::ifstream file(path, std::ios::binary);
	if (!file) {
		throw InputError(path + ": cannot read the scene file");
	}
	std::ostringstream text;
	text << file.rdbuf();
	if (file.bad()) {
		throw InputError(path + ": cannot read the scene file");
	}
	return ReadSceneText(text.str(), path);
}

} // namespace quillmere_host
