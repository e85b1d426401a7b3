// Reading a scene back past the object API, for tests.
#include "engine/scene_read_back.h"

#include "engine/object_paths.h"

#include "node_data.h"

namespace host_engine {

SceneReadBack::ParameterInfo SceneReadBack::DescribeParameter(const XSI::CRef& parameter) const
{
	ParameterInfo info;
	const Scene& scene = m_host.Scene();
	const ParameterData* data = DataOf<ParameterData>(scene.Objects(), scene.SlotOf(parameter));
	if (data != nullptr) {
		info.type = data->type;
		info.capabilities = data->capabilities;
		info.value = data->value;
	}
	return info;
}

std::wstring SceneReadBack::NameOf(const XSI::CRef& ref) const
{
	uint32_t slot = m_host.Scene().SlotOf(ref);
	return slot == kNoSlot ? std::wstring() : std::wstring(m_host.Scene().Objects().Name(slot));
}

XSI::CRef SceneReadBack::Find(const std::wstring& path) const
{
	const Scene& scene = m_host.Scene();
	return scene.RefOf(ResolvePath(scene.Objects(), path));
}

} // namespace host_engine
