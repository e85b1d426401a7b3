// Building a described scene in the host.
#ifndef QUILLMERE_HOST_SCENE_BUILDING_H
#define QUILLMERE_HOST_SCENE_BUILDING_H

#include "scene_description.h"

#include "core/host.h"

#include <xsi_ref.h>

#include <map>
#include <string>

namespace quillmere_host {

using ObjectsByName = std::map<std::wstring, XSI::CRef>;

// Replaces the host's scene with `scene` and selects its selection. Root
// properties are made from the loaded plug-ins' registered properties; one
// that none registered is an InputError naming `origin`.
ObjectsByName BuildScene(const SceneDescription& scene, host_core::Host& host, const std::string& origin);

// Replaces the selection with the named objects, in order. An unknown name
// is an InputError.
void SelectByName(const std::vector<std::wstring>& names, const ObjectsByName& objects, host_core::Host& host);

} // namespace quillmere_host

#endif
