#include "core/property_presets.h"

#include "core/host.h"
#include "core/plugin_host.h"

namespace host_core {

Handle AddPropertyFromPreset(Host& host, uint32_t parent, const std::wstring& preset, const std::wstring& name)
{
	LoadedPlugin* owner = host.Plugins().PropertyOwner(preset);
	if (parent == kNoSlot || (owner == nullptr && preset != L"CustomProperty") || host.Faults().failAddProperty) {
		return Handle();
	}
	ObjectTable& objects = host.Objects();
	Handle property = objects.Create(XSI::siCustomPropertyID, name.empty() ? preset : name, parent, true);
	objects.At(property.slot).auxNameId = objects.Names().Intern(preset);
	host.RecordCreated(property.slot);
	if (owner != nullptr) {
		host.Plugins().CallWithContext(*owner, preset, "Define", property.slot, XSI::siContextID);
	}
	return property;
}

} // namespace host_core
