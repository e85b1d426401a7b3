// Building a checked scene in the host.
#ifndef QUILLMERE_HOST_SCENE_BUILDING_H
#define QUILLMERE_HOST_SCENE_BUILDING_H

#include "scene_file/selection_list.h"
#include "scene_file/scene_blueprint.h"

#include "engine/host.h"

#include <xsi_ref.h>

#include <string>
#include <vector>

namespace quillmere_host {

// The host's handle of each object built, by its index in the blueprint.
using BuiltObjects = std::vector<XSI::CRef>;

// Replaces the host's scene with `scene` and selects its selection; the
// host's log is kept. Root properties are made from the loaded plug-ins'
// registered properties; one that none registered is an InputError naming
// `origin` and its place there, before anything is built.
BuiltObjects BuildScene(const SceneBlueprint& scene, host_engine::Host& host, const std::string& origin);

// Replaces the selection with the objects named, in order. An unknown name
// is an InputError at its place in the --select list.
void SelectByName(const std::vector<SelectedName>& names, const SceneBlueprint& scene, const BuiltObjects& objects,
                  host_engine::Host& host);

} // namespace quillmere_host

#endif
