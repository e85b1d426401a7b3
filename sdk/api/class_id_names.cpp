#include "class_id_names.h"

#include "engine/class_info.h"

namespace XSI {

const CString& ClassIdNameText(siClassID id)
{
	// Never destroyed: a plug-in unloaded as the process ends may still ask.
	static CString* const names = new CString[host_engine::kMaxClassId];
	static bool made[host_engine::kMaxClassId] = {};
	static const CString* const none = new CString;
	unsigned index = static_cast<unsigned>(id);
	if (index >= static_cast<unsigned>(host_engine::kMaxClassId)) {
		return *none;
	}
	if (!made[index]) {
		names[index] = host_engine::ClassIdName(id);
		made[index] = true;
	}
	return names[index];
}

} // namespace XSI
