// Drawing a property page in the terminal from the layout its plug-in built.
#ifndef QUILLMERE_HOST_PAGE_VIEW_H
#define QUILLMERE_HOST_PAGE_VIEW_H

#include "engine/page_drivers.h"
#include "engine/page_layout.h"

#include <map>
#include <string>
#include <vector>

namespace quillmere_host {

struct PageSnapshot {
	std::wstring title;
	std::vector<host_engine::LayoutItem> layout;
	std::map<std::wstring, bool> values;
};

// What a page shows now, or showed as it closed.
PageSnapshot SnapshotOf(host_engine::PropertyPage& page);
PageSnapshot SnapshotOf(const host_engine::PageRecord& record);

// The page as text: the title, rows of buttons, groups with their labels,
// and one numbered line per item with a check box showing its value.
std::string DrawPage(const PageSnapshot& page);

// The parameters of the page's items, in the order DrawPage numbers them.
std::vector<std::wstring> NumberedItems(const std::vector<host_engine::LayoutItem>& layout);

} // namespace quillmere_host

#endif
