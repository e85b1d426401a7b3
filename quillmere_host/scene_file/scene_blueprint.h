// A checked scene file, held compactly until it is built: every text once,
// objects, constraints and operators as flat records. A million-object rig
// costs tens of bytes per object here, not a tree of strings.
#ifndef QUILLMERE_HOST_SCENE_BLUEPRINT_H
#define QUILLMERE_HOST_SCENE_BLUEPRINT_H

#include "base/file_place.h"

#include "engine/text_table.h"

#include <xsi_decl.h>

#include <cstdint>
#include <string_view>
#include <vector>

namespace quillmere_host {

// UTF-8 texts, each kept once; id 0 is the empty text.
using TextTable = host_engine::TextTable<char>;

struct SceneBlueprint {
	static constexpr uint32_t kNone = TextTable::kNone;

	struct Object {
		uint32_t name = 0;       // a text id
		uint32_t parent = kNone; // an object index; kNone under the scene root
		XSI::siClassID classId = XSI::siX3DObjectID;
	};
	struct Constraint {
		uint32_t owner; // an object index
		uint32_t name;
		uint32_t type; // 0 when the file gives none
	};
	struct Operator {
		uint32_t owner;
		uint32_t name;
	};

	// Makes room for the scene a file of `bytes` may hold, guessed high: room
	// that is never filled costs address space, not memory (but for the
	// text index, which is filled as it is made).
	void ReserveFor(uint64_t bytes);

	// The object called `name`, or kNone.
	uint32_t FindObject(std::string_view name) const;
	std::string_view NameOf(uint32_t object) const { return texts.Text(objects[object].name); }

	TextTable texts;
	// Parents before children, each object's children in file order.
	std::vector<Object> objects;
	// In file order, which is each object's constraint (operator) order.
	std::vector<Constraint> constraints;
	std::vector<Operator> operators;
	std::vector<uint32_t> selection;       // object indices, in selection order
	std::vector<uint32_t> rootProperties;  // text ids of presets
	std::vector<Place> rootPropertyPlaces; // where each is named in the file
	// Text id -> the object of that name, or kNone.
	std::vector<uint32_t> objectOfText;
};

} // namespace quillmere_host

#endif
