#include "api/class_id_names.h"

#include "engine/class_info.h"

namespace XSI {

const CString& ClassIdNameText(siClassID id)
{
	static CString names[host_engine::kMaxClassId];
	static bool made[host_engine::kMaxClassId] = {};
	static const CString none;
	unsigned index = static_cast<unsigned>(id);
	if (index >= static_cast<unsigned>(host_engine::kMaxClassId)) {
		return none;
	}
	if (!made[index]) {
		names[index] = host_engine::ClassIdName(id);
		made[index] = true;
	}
	return names[index];
}

} // namespace XSI
