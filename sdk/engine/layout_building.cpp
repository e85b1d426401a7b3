// The layout object a DefineLayout callback fills, made and read by the page and written by PPGLayout.
#include "engine/layout_building.h"

#include "node_data.h"

#include <utility>

namespace host_engine {

Handle CreateLayout(ObjectTable& objects, std::vector<LayoutItem> items)
{
	Handle layout = objects.Create(XSI::siPPGLayoutID, L"PPGLayout", kNoSlot);
	std::unique_ptr<LayoutData> data(new LayoutData);
	data->items = std::move(items);
	objects.SetData(layout.slot, std::move(data));
	return layout;
}

std::vector<LayoutItem> LayoutItems(const ObjectTable& objects, uint32_t layout)
{
	const LayoutData* data = DataOf<LayoutData>(objects, layout);
	return data ? data->items : std::vector<LayoutItem>();
}

bool ClearLayout(ObjectTable& objects, uint32_t layout)
{
	LayoutData* data = DataOf<LayoutData>(objects, layout);
	if (data == nullptr) {
		return false;
	}
	data->items.clear();
	return true;
}

bool AppendLayoutItem(ObjectTable& objects, uint32_t layout, LayoutItem item)
{
	LayoutData* data = DataOf<LayoutData>(objects, layout);
	if (data == nullptr) {
		return false;
	}
	data->items.push_back(std::move(item));
	return true;
}

} // namespace host_engine
