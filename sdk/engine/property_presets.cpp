#include "engine/property_presets.h"

#include "engine/host.h"
#include "node_data.h"
#include "engine/plugin_host.h"
#include "engine/undo_stack.h"

namespace host_engine {

Handle AddPropertyFromPreset(Host& host, uint32_t parent, const std::wstring& preset, const std::wstring& name)
{
	LoadedPlugin* owner = host.Plugins().PropertyOwner(preset);
	if (parent == kNoSlot || (owner == nullptr && preset != L"CustomProperty") || host.Faults().failAddProperty) {
		// As the host's script log would say it.
		host.Log().Add(L"AddProperty: cannot add a property from the preset \"" + preset + L"\"", XSI::siErrorMsg);
		return Handle();
	}
	ObjectTable& objects = host.Scene().Objects();
	// Named after the preset when no name is given. When that name is taken,
	// whether the host numbers the new one or lets both share it is a reading.
	std::wstring wanted = name.empty() ? preset : name;
	Handle property = host.Readings().TakenPropertyNameNumbered()
	                      ? objects.Create(XSI::siCustomPropertyID, wanted, parent, true)
	                      : objects.CreateSharingName(XSI::siCustomPropertyID, wanted, parent);
	std::unique_ptr<PropertyData> data(new PropertyData);
	data->preset = preset;
	objects.SetData(property.slot, std::move(data));
	host.UndoSteps().RecordCreated(property.slot);
	if (owner != nullptr) {
		host.Plugins().CallWithContext(*owner, preset, "Define", property.slot, XSI::siContextID);
	}
	return property;
}

} // namespace host_engine
