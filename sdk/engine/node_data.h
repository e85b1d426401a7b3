// Payloads of the classes that carry more than a name and a place in the tree.
#ifndef HOST_ENGINE_NODE_DATA_H
#define HOST_ENGINE_NODE_DATA_H

#include "engine/object_table.h"
#include "engine/page_layout.h"

#include <xsi_value.h>

#include <map>
#include <string>
#include <vector>

namespace host_engine {

struct ParameterData : NodeData {
	XSI::CValue::DataType type = XSI::CValue::siEmpty;
	int capabilities = 0;
	std::wstring displayName;
	std::wstring description;
	XSI::CValue defaultValue;
	XSI::CValue value;
};

struct CommandData : NodeData {
	bool returnValueEnabled = false;
};

struct ContextData : NodeData {
	Handle source;
	int eventId = 0;
	std::map<std::wstring, XSI::CValue> attributes;
};

struct LayoutData : NodeData {
	std::vector<LayoutItem> items;
};

// A custom property: the preset it was made from, which names its callbacks,
// and its page's layout, which lives with it from one inspection to the next.
struct PropertyData : NodeData {
	std::wstring preset;
	std::vector<LayoutItem> layout;
};

// Which loaded plug-in a registrar, command or plug-in item belongs to.
struct PluginLink : NodeData {
	size_t pluginId = 0;
};

// The payload of the object at `slot` as `T`, or nullptr when it carries
// none of that kind.
template <typename T> T* DataOf(const ObjectTable& objects, uint32_t slot)
{
	return dynamic_cast<T*>(objects.DataAt(slot));
}

} // namespace host_engine

#endif
