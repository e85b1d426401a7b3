#include "page_view.h"

#include "text_encoding.h"

#include <algorithm>

namespace quillmere_host {

namespace {

using host_engine::LayoutItem;

std::wstring ItemLabel(const LayoutItem& item)
{
	return ForTerminal(item.label.empty() ? item.name : item.label);
}

std::wstring Padded(const std::wstring& text, size_t width)
{
	return text.size() >= width ? text : text + std::wstring(width - text.size(), L' ');
}

} // namespace

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

PageSnapshot SnapshotOf(const host_engine::PageRecord& record)
{
	PageSnapshot snapshot;
	snapshot.title = record.title;
	snapshot.layout = record.layout;
	snapshot.values.insert(record.closeValues.begin(), record.closeValues.end());
	return snapshot;
}

std::vector<std::wstring> NumberedItems(const std::vector<LayoutItem>& layout)
{
	std::vector<std::wstring> items;
	for (const LayoutItem& item : layout) {
		if (item.kind == LayoutItem::Item) {
			items.push_back(item.name);
		}
	}
	return items;
}

std::string DrawPage(const PageSnapshot& page)
{
	auto itemLine = [&page](const LayoutItem& item, int number) {
		auto value = page.values.find(item.name);
		bool on = value != page.values.end() && value->second;
		return std::to_wstring(number) + L"  [" + (on ? L"x" : L" ") + L"] " + ItemLabel(item);
	};
	// Size the frames to the widest item or group label first.
	const std::wstring title = ForTerminal(page.title);
	size_t inner = title.size() + 2;
	int number = 0;
	for (const LayoutItem& item : page.layout) {
		if (item.kind == LayoutItem::Item) {
			inner = std::max(inner, itemLine(item, ++number).size());
		} else if (item.kind == LayoutItem::Group) {
			inner = std::max(inner, ForTerminal(item.label).size() + 4);
		}
	}
	const size_t width = inner + 5; // " | " + inner + " |"

	std::wstring out = L"== " + title + L" ";
	out += std::wstring(width - std::min(width, out.size()), L'=') + L"\n";
	std::wstring row;
	bool inRow = false;
	std::vector<bool> framed; // one entry per open group: drawn with a frame?
	number = 0;
	for (const LayoutItem& item : page.layout) {
		bool inFrame = !framed.empty() && framed.back();
		switch (item.kind) {
		case LayoutItem::Row:
			inRow = true;
			row.clear();
			break;
		case LayoutItem::EndRow:
			out += L" " + row + L"\n";
			inRow = false;
			break;
		case LayoutItem::Button: {
			std::wstring button = L"[ " + ItemLabel(item) + L" ]";
			if (inRow) {
				row += (row.empty() ? L"" : L"  ") + button;
			} else {
				out += L" " + button + L"\n";
			}
			break;
		}
		case LayoutItem::Group:
			if (item.showFrame) {
				std::wstring head = L" +-- " + ForTerminal(item.label) + L" ";
				out += head + std::wstring(width - 1 - std::min(width - 1, head.size()), L'-') + L"+\n";
			} else if (!item.label.empty()) {
				out += L" " + ForTerminal(item.label) + L"\n";
			}
			framed.push_back(item.showFrame);
			break;
		case LayoutItem::EndGroup:
			if (inFrame) {
				out += L" +" + std::wstring(width - 3, L'-') + L"+\n";
			}
			if (!framed.empty()) {
				framed.pop_back();
			}
			break;
		case LayoutItem::Item: {
			std::wstring line = itemLine(item, ++number);
			out += inFrame ? L" | " + Padded(line, inner) + L" |\n" : L" " + line + L"\n";
			break;
		}
		}
	}
	return ToUtf8(out);
}

} // namespace quillmere_host
