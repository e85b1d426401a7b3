#include "scene_reader.h"

#include "input_error.h"
#include "text_encoding.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <unordered_map>

namespace quillmere_host {

namespace {

// Ordered, so that walking a document meets its values in file order.
using Json = nlohmann::ordered_json;

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

// The parsed document, and the place in the file of each of its values in
// the order the parser met them, which is also the document's pre-order.
struct PlacedDocument {
	Json root;
	std::vector<Place> places;
	std::unordered_map<const Json*, size_t> order;

	Place PlaceOf(const Json& value) const
	{
		auto found = order.find(&value);
		return found == order.end() || found->second >= places.size() ? Place() : places[found->second];
	}
};

// Deeper JSON than this is refused before it is walked: no scene needs it.
const int kMaxJsonDepth = 2 * kMaxObjectDepth + 8;

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

void NumberValues(PlacedDocument& document)
{
	std::vector<const Json*> pending(1, &document.root);
	size_t next = 0;
	while (!pending.empty()) {
		const Json* value = pending.back();
		pending.pop_back();
		document.order.emplace(value, next++);
		if (value->is_structured()) {
			// Pushed in reverse, so that they are numbered in document order.
			std::vector<const Json*> children;
			for (const Json& child : *value) {
				children.push_back(&child);
			}
			pending.insert(pending.end(), children.rbegin(), children.rend());
		}
	}
}

PlacedDocument Parse(const std::string& text, const std::string& origin)
{
	PlacedDocument document;
	Place reached;
	// The keys of each open object, to refuse a key given twice.
	std::vector<std::set<std::string>> openObjects;
	Json::parser_callback_t callback = [&](int depth, Json::parse_event_t event, Json& parsed) {
		switch (event) {
		case Json::parse_event_t::object_start:
		case Json::parse_event_t::array_start:
			if (depth >= kMaxJsonDepth) {
				throw InputError(Where(origin, reached) + ": JSON nests deeper than " + std::to_string(kMaxJsonDepth) +
				                 " levels");
			}
			document.places.push_back(reached);
			openObjects.emplace_back();
			break;
		case Json::parse_event_t::key:
			if (!openObjects.back().insert(parsed.get<std::string>()).second) {
				throw InputError(Where(origin, reached) + ": key \"" + parsed.get<std::string>() +
				                 "\" appears twice in one object");
			}
			break;
		case Json::parse_event_t::object_end:
		case Json::parse_event_t::array_end: openObjects.pop_back(); break;
		case Json::parse_event_t::value: document.places.push_back(reached); break;
		}
		return true;
	};
	try {
		const char* begin = text.data();
		const char* end = begin + text.size();
		document.root =
		    Json::parse(PlaceTrackingIterator(begin, &reached), PlaceTrackingIterator(end, &reached), callback);
	} catch (const Json::parse_error& error) {
		// The parser's message names the byte; say it as a line and column instead.
		std::string what = error.what();
		size_t detail = what.find("parse error");
		size_t colon = what.find(": ", detail == std::string::npos ? 0 : detail);
		std::string reason = colon == std::string::npos ? what : what.substr(colon + 2);
		size_t offset = error.byte > 0 ? error.byte - 1 : 0;
		throw InputError(Where(origin, PlaceOfOffset(text, offset)) + ": malformed JSON: " + reason);
	} catch (const Json::exception& error) {
		// Valid syntax the parser still can't hold, such as a number too large.
		std::string what = error.what();
		size_t bracket = what.find("] ");
		throw InputError(Where(origin, reached) + ": " +
		                 (bracket == std::string::npos ? what : what.substr(bracket + 2)));
	}
	NumberValues(document);
	return document;
}

// Checks a parsed document against the scene format, with places for errors.
// Each check names the value it is about: its place goes into the message.
class SceneChecker
{
public:
	SceneChecker(const PlacedDocument& document, const std::string& origin) : m_document(document), m_origin(origin) {}

	SceneDescription Check()
	{
		SceneDescription scene;
		const Json& root = m_document.root;
		Expect(root.is_object(), root, "the scene must be a JSON object");
		CheckKeys(root, "the scene", {"objects", "selection", "root_properties"});
		if (root.contains("objects")) {
			const Json& objects = ArrayAt(root, "objects");
			for (size_t i = 0; i < objects.size(); ++i) {
				scene.objects.push_back(Object(objects[i], "objects/" + std::to_string(i), 1));
			}
		}
		if (root.contains("selection")) {
			const Json& selection = ArrayAt(root, "selection");
			for (size_t i = 0; i < selection.size(); ++i) {
				std::wstring name = StringAt(selection[i], "selection/" + std::to_string(i));
				Expect(m_names.count(name) != 0, selection[i],
				       "selection names \"" + ToUtf8(name) + "\", which no object in the file is called");
				scene.selection.push_back(name);
			}
		}
		if (root.contains("root_properties")) {
			const Json& properties = ArrayAt(root, "root_properties");
			for (size_t i = 0; i < properties.size(); ++i) {
				std::wstring name = StringAt(properties[i], "root_properties/" + std::to_string(i));
				Expect(!name.empty(), properties[i], "a root property needs a name");
				scene.rootProperties.push_back(name);
			}
		}
		return scene;
	}

private:
	void Expect(bool condition, const Json& about, const std::string& what) const
	{
		if (!condition) {
			throw InputError(Where(m_origin, m_document.PlaceOf(about)) + ": " + what);
		}
	}

	void CheckKeys(const Json& object, const std::string& label, const std::set<std::string>& allowed) const
	{
		for (auto it = object.begin(); it != object.end(); ++it) {
			Expect(allowed.count(it.key()) != 0, it.value(), "unknown key \"" + it.key() + "\" in " + label);
		}
	}

	const Json& ArrayAt(const Json& owner, const char* key) const
	{
		const Json& value = owner.at(key);
		Expect(value.is_array(), value, std::string("\"") + key + "\" must be an array");
		return value;
	}

	std::wstring StringAt(const Json& value, const std::string& label) const
	{
		Expect(value.is_string(), value, label + " must be a string");
		return FromUtf8(value.get<std::string>());
	}

	ObjectSpec Object(const Json& value, const std::string& label, int depth)
	{
		Expect(value.is_object(), value, label + " must be an object");
		Expect(depth <= kMaxObjectDepth, value,
		       "objects nest deeper than " + std::to_string(kMaxObjectDepth) + " levels");
		CheckKeys(value, label, {"name", "class", "constraints", "operators", "children"});
		Expect(value.contains("name"), value, label + " has no \"name\"");

		ObjectSpec object;
		object.name = StringAt(value.at("name"), "\"name\"");
		CheckName(object.name, value.at("name"));

		if (value.contains("class")) {
			std::wstring className = StringAt(value.at("class"), "\"class\"");
			object.classId = SceneClassFromName(className);
			Expect(object.classId != XSI::siUnknownClassID, value.at("class"),
			       "unknown class \"" + ToUtf8(className) +
			           "\" (expected X3DObject, Model, ChainRoot, ChainBone, ChainEffector or Group)");
		}
		bool isGroup = object.classId == XSI::siGroupID;
		if (value.contains("constraints")) {
			Expect(!isGroup, value.at("constraints"), "a Group has no kinematics, so no constraints");
			const Json& constraints = ArrayAt(value, "constraints");
			for (size_t i = 0; i < constraints.size(); ++i) {
				object.constraints.push_back(Constraint(constraints[i], label + "/constraints/" + std::to_string(i)));
			}
		}
		if (value.contains("operators")) {
			const Json& operators = ArrayAt(value, "operators");
			for (size_t i = 0; i < operators.size(); ++i) {
				object.operators.push_back(StringAt(operators[i], label + "/operators/" + std::to_string(i)));
			}
		}
		if (value.contains("children")) {
			Expect(!isGroup, value.at("children"), "a Group cannot have children");
			const Json& children = ArrayAt(value, "children");
			for (size_t i = 0; i < children.size(); ++i) {
				object.children.push_back(Object(children[i], label + "/children/" + std::to_string(i), depth + 1));
			}
		}
		return object;
	}

	ConstraintSpec Constraint(const Json& value, const std::string& label) const
	{
		ConstraintSpec constraint;
		if (value.is_string()) {
			constraint.name = FromUtf8(value.get<std::string>());
			return constraint;
		}
		Expect(value.is_object(), value, label + " must be a name or {\"name\": ..., \"type\": ...}");
		CheckKeys(value, label, {"name", "type"});
		Expect(value.contains("name"), value, label + " has no \"name\"");
		constraint.name = StringAt(value.at("name"), "\"name\"");
		if (value.contains("type")) {
			constraint.type = StringAt(value.at("type"), "\"type\"");
		}
		return constraint;
	}

	void CheckName(const std::wstring& name, const Json& about)
	{
		Expect(!name.empty(), about, "an object's name must not be empty");
		// Dots separate full names and commas separate name lists: such a
		// name could never be addressed.
		Expect(name.find_first_of(L".,") == std::wstring::npos, about,
		       "object name \"" + ToUtf8(name) + "\" contains '.' or ','");
		Expect(name != L"Scene_Root", about, "\"Scene_Root\" is the scene root's own name");
		Place place = m_document.PlaceOf(about);
		auto inserted = m_names.emplace(name, place);
		Expect(inserted.second, about,
		       "duplicate object name \"" + ToUtf8(name) + "\" (first used at line " +
		           std::to_string(inserted.first->second.line) + ")");
	}

	const PlacedDocument& m_document;
	std::string m_origin;
	std::map<std::wstring, Place> m_names;
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
