// Payloads of the classes that carry more than a name and a place in the tree.
#ifndef HOST_CORE_NODE_DATA_H
#define HOST_CORE_NODE_DATA_H

#include "core/object_table.h"

#include <xsi_value.h>

#include <map>
#include <string>
#include <vector>

namespace host_core {

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

struct LayoutItem {
	enum Kind { Row, EndRow, Button, Group, EndGroup, Item };
	Kind kind;
	std::wstring name; // a button's script name or an item's parameter
	std::wstring label;
	std::wstring uiType;
	bool showFrame = false;
	long widthPercentage = 0;
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

} // namespace host_core

#endif
