// The scene file's vocabulary: its keys, the class names it gives objects,
// and how large and deep a file may go. Reader and writer both spell the
// format through here.
#ifndef QUILLMERE_HOST_SCENE_FORMAT_H
#define QUILLMERE_HOST_SCENE_FORMAT_H

#include <xsi_decl.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmere_host {

// The keys of the scene's three kinds of JSON object, as bits: a set of
// them (the keys an object may hold, or has held) is one word.
enum SceneKey : uint16_t {
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

struct SceneKeyName {
	SceneKey key;
	std::string_view name;
};

// Inline, as the lookup below: every object of a scene spells out its keys.
inline constexpr SceneKeyName kSceneKeyNames[] = {
    {kObjectsKey, "objects"},     {kSelectionKey, "selection"}, {kRootPropertiesKey, "root_properties"},
    {kNameKey, "name"},           {kClassKey, "class"},         {kConstraintsKey, "constraints"},
    {kOperatorsKey, "operators"}, {kChildrenKey, "children"},   {kTypeKey, "type"},
};

// The key spelled `name` among the set `allowed`, or kNoKey. Keys are told
// apart by length before a compare.
inline SceneKey SceneKeyNamed(std::string_view name, uint16_t allowed)
{
	for (const SceneKeyName& known : kSceneKeyNames) {
		if ((known.key & allowed) != 0 && name.size() == known.name.size() && name == known.name) {
			return known.key;
		}
	}
	return kNoKey;
}

// How a file spells `key`; empty for kNoKey.
std::string_view SceneKeyText(SceneKey key);

// The class a scene file names `name`, or siUnknownClassID.
XSI::siClassID SceneClassFromName(std::string_view name);

// The name a scene file gives objects of `classId`, or nullptr for a class
// no scene file holds.
const char* SceneClassName(XSI::siClassID classId);

// "X3DObject, Model, ... or Group": every class name a file may use.
std::string SceneClassList();

// How deep objects may nest in a file; deeper is refused as bad input.
const int kMaxObjectDepth = 256;

// The most of a file one value (a name, a key, a number) or one run of
// blanks may take: no real scene comes near it, and the parser holds each
// whole, several times over, before it can be checked.
const uint64_t kMaxValueBytes = 1 << 20;

} // namespace quillmere_host

#endif
