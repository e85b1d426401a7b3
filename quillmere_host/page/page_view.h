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

// What a page shows now.
PageSnapshot SnapshotOf(host_engine::PropertyPage& page);
// What a page left behind as it closed: its values as confirmed, or on
// Cancel as they were when it opened (the host drops a cancelled page's changes).
PageSnapshot SnapshotOf(const host_engine::PageRecord& record);
const host_engine::PageValues& ValuesAsClosed(const host_engine::PageRecord& record);

// The parameters `names`, in the order the page shows their items, each
// once, then those it doesn't show, in their own order.
std::vector<std::wstring> InPageOrder(const std::vector<std::wstring>& names,
                                      const std::vector<host_engine::LayoutItem>& layout);

// The page as text: the title, rows of buttons, groups with their labels,
// and one line per item with a check box showing its value.
std::string DrawPage(const PageSnapshot& page);

} // namespace quillmere_host

#endif
