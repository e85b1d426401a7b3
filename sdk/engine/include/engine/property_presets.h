// Making properties from presets, as SceneItem::AddProperty does.
#ifndef HOST_ENGINE_PROPERTY_PRESETS_H
#define HOST_ENGINE_PROPERTY_PRESETS_H

#include "engine/object_table.h"

#include <string>

namespace host_engine {

class Host;

// A new property under `parent` from `preset`: a custom property that a
// loaded plug-in registered (its Define callback gives it its parameters),
// or an empty "CustomProperty". Named `name`, or after the preset when
// `name` is empty, with the lowest free suffix if that name is taken.
// An invalid handle for an unknown preset or a parent that is gone.
Handle AddPropertyFromPreset(Host& host, uint32_t parent, const std::wstring& preset, const std::wstring& name);

} // namespace host_engine

#endif
