#include "scene_file/scene_blueprint.h"

namespace quillmere_host {

void SceneBlueprint::ReserveFor(uint64_t bytes)
{
	// The fewest bytes a file spends on each, in a realistic rig.
	size_t size = static_cast<size_t>(bytes);
	objects.reserve(size / 48);
	constraints.reserve(size / 12);
	operators.reserve(size / 16);
	selection.reserve(size / 48);
	// The index is filled as it is made, so it is sized for a likely count
	// (an object a line) rather than the most a file could hold.
	size_t textCount = size / 128;
	if (textCount > texts.Count()) {
		texts.Reserve(textCount - texts.Count());
	}
}

uint32_t SceneBlueprint::FindObject(std::string_view name) const
{
	uint32_t text = texts.Find(name);
	return text == kNone || text >= objectOfText.size() ? kNone : objectOfText[text];
}

} // namespace quillmere_host
