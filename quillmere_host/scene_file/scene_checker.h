// The scene file's grammar: what may appear where, checked event by event
// as the JSON is read, the scene's blueprint filled as it goes.
#ifndef QUILLMERE_HOST_SCENE_CHECKER_H
#define QUILLMERE_HOST_SCENE_CHECKER_H

#include "base/file_place.h"
#include "scene_file/json_events.h"
#include "scene_file/scene_blueprint.h"
#include "scene_file/scene_format.h"
#include "scene_file/scene_input.h"

#include <cstdint>
#include <string>
#include <vector>

namespace quillmere_host {

// The first value that can't belong in a scene stops the read with an
// InputError saying where it is.
class SceneChecker : public JsonEventListener
{
public:
	// Fills `scene`; `origin` names the input in messages.
	SceneChecker(SceneInput& input, const std::string& origin, SceneBlueprint& scene);
	SceneChecker(const SceneChecker&) = delete;
	SceneChecker& operator=(const SceneChecker&) = delete;

	// Room for the scene, judged by what has been read of a file of
	// `fileBytes` (0: unknown, as for a pipe).
	void ReserveFor(uint64_t fileBytes);

	void Value(JsonValueKind kind, const std::string* text) override;
	void Key(const std::string& name) override;
	void EndObject() override;
	void EndArray() override;
	void BeforeRefill() override;

	// After the last event: what could only be checked once all was read.
	void Finish();

private:
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
		SceneKey valueKey = kNoKey; // in an object: the key whose value comes next
		uint32_t count = 0;         // in an array: elements begun so far
		uint32_t object = SceneBlueprint::kNone;
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

	[[noreturn]] void Fail(const Place& place, const std::string& what) const;
	// Where the value (or key, or bracket) just read starts.
	Place Here() { return m_input.ValueStartPlace(); }
	// Where the opening bracket just read is: the last byte read.
	uint64_t BracketOffset() const { return m_input.Offset() - 1; }
	std::string Label(size_t depth) const;
	std::string LabelOfTop() const { return Label(m_stack.size()); }

	void SceneValue(Open& scene, JsonValueKind kind);
	void ObjectElement(Open& array, JsonValueKind kind);
	void ObjectValue(Open& object, JsonValueKind kind, const std::string* text);
	void ConstraintElement(Open& array, JsonValueKind kind, const std::string* text);
	void ConstraintValue(Open& constraint, JsonValueKind kind, const std::string* text);
	void SelectionElement(Open& array, JsonValueKind kind, const std::string* text);
	void RootPropertyElement(Open& array, JsonValueKind kind, const std::string* text);
	void OperatorElement(Open& array, JsonValueKind kind, const std::string* text);
	void Push(Frame frame, uint32_t object = SceneBlueprint::kNone);
	void ExpectArray(SceneKey key, JsonValueKind kind);
	// `label` names the value; nullptr names the array element being read.
	void ExpectString(const char* label, JsonValueKind kind);
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

} // namespace quillmere_host

#endif
