#include "page/page_view.h"

#include "page/page_screen.h"
#include "base/text_encoding.h"

#include <algorithm>

namespace quillmere_host {

PageSnapshot SnapshotOf(host_engine::PropertyPage& page)
{
	PageSnapshot snapshot;
	snapshot.title = page.Title();
	snapshot.layout = page.Layout();
	for (const std::wstring& name : page.ParameterNames()) {
		snapshot.values[name] = static_cast<bool>(page.Value(name));
	}
	return snapshot;
}

const host_engine::PageValues& ValuesAsClosed(const host_engine::PageRecord& record)
{
	return record.confirmed ? record.closeValues : record.openValues;
}

std::vector<std::wstring> InPageOrder(const std::vector<std::wstring>& names,
                                      const std::vector<host_engine::LayoutItem>& layout)
{
	std::vector<std::wstring> ordered;
	auto taken = [&ordered](const std::wstring& name) {
		return std::find(ordered.begin(), ordered.end(), name) != ordered.end();
	};
	for (const host_engine::LayoutItem& item : layout) {
		bool known = std::find(names.begin(), names.end(), item.name) != names.end();
		if (item.kind == host_engine::LayoutItem::Item && known && !taken(item.name)) {
			ordered.push_back(item.name);
		}
	}
	for (const std::wstring& name : names) {
		if (!taken(name)) {
			ordered.push_back(name);
		}
	}
	return ordered;
}

PageSnapshot SnapshotOf(const host_engine::PageRecord& record)
{
	PageSnapshot snapshot;
	snapshot.title = record.title;
	snapshot.layout = record.layout;
	const host_engine::PageValues& values = ValuesAsClosed(record);
	snapshot.values.insert(values.begin(), values.end());
	return snapshot;
}

std::string DrawPage(const PageSnapshot& page)
{
	std::wstring out;
	for (const std::wstring& line : ArrangePage(page, false).lines) {
		out += line + L"\n";
	}
	return ToUtf8(out);
}

} // namespace quillmere_host
