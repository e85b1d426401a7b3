// Objects by their dotted names: full names made, and paths resolved.
#include "engine/object_paths.h"

#include "engine/class_info.h"

#include <vector>

namespace host_engine {

namespace {

std::vector<std::wstring> SplitPath(const std::wstring& path)
{
	std::vector<std::wstring> parts(1);
	for (wchar_t c : path) {
		if (c == L'.') {
			parts.emplace_back();
		} else {
			parts.back() += c;
		}
	}
	return parts;
}

} // namespace

std::wstring FullNameOf(const ObjectTable& objects, uint32_t slot)
{
	const Node& node = objects.At(slot);
	if (slot == objects.Root() || node.parent == kNoSlot) {
		return std::wstring(objects.Name(slot));
	}
	uint32_t up = node.parent;
	if (Is3DObject(node.classId)) {
		// 3D objects are named by their model, not by the object they hang under.
		up = objects.NameScope(slot);
		if (up == objects.Root()) {
			return std::wstring(objects.Name(slot));
		}
	}
	return FullNameOf(objects, up) + L"." + std::wstring(objects.Name(slot));
}

uint32_t ResolvePath(const ObjectTable& objects, const std::wstring& path)
{
	uint32_t root = objects.Root();
	if (root == kNoSlot || path.empty()) {
		return kNoSlot;
	}
	std::vector<std::wstring> parts = SplitPath(path);
	uint32_t current = root;
	size_t first = (parts[0] == objects.Name(root)) ? 1 : 0;
	for (size_t i = first; i < parts.size() && current != kNoSlot; ++i) {
		uint32_t next = kNoSlot;
		if (objects.At(current).classId == XSI::siModelID) {
			uint32_t nameId = objects.Names().Find(parts[i]);
			if (nameId != 0) {
				next = objects.FindInScope(current, nameId);
			}
		}
		if (next == kNoSlot && i > 0) {
			next = objects.FindChild(current, parts[i]);
		}
		current = next;
	}
	return current;
}

} // namespace host_engine
