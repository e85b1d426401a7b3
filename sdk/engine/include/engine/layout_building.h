// The layout object a property's DefineLayout callback fills: what PPGLayout's members do to it.
#ifndef HOST_ENGINE_LAYOUT_BUILDING_H
#define HOST_ENGINE_LAYOUT_BUILDING_H

#include "engine/object_table.h"
#include "engine/page_layout.h"

#include <vector>

namespace host_engine {

// A layout object for a DefineLayout callback to fill, starting from `items`
// (the layout its property kept from its last inspection).
Handle CreateLayout(ObjectTable& objects, std::vector<LayoutItem> items);

// What the layout holds now; empty when `layout` is not a layout object.
std::vector<LayoutItem> LayoutItems(const ObjectTable& objects, uint32_t layout);

// Empties the layout; false when `layout` is not a layout object.
bool ClearLayout(ObjectTable& objects, uint32_t layout);

// Adds `item` at the end of the layout; false, and nothing added, when
// `layout` is not a layout object.
bool AppendLayoutItem(ObjectTable& objects, uint32_t layout, LayoutItem item);

} // namespace host_engine

#endif
