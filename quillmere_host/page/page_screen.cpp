#include "page/page_screen.h"

#include "base/text_encoding.h"

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

std::wstring CheckBox(const PageSnapshot& page, const LayoutItem& item)
{
	auto value = page.values.find(item.name);
	bool on = value != page.values.end() && value->second;
	return std::wstring(L"[") + (on ? L"x" : L" ") + L"] " + ItemLabel(item);
}

std::wstring ButtonText(const std::wstring& label)
{
	return L"[ " + label + L" ]";
}

// Builds the lines and records where each control and frame lands.
class Arranger
{
public:
	explicit Arranger(const PageSnapshot& page) : m_page(page)
	{
		// Size the frames to the widest item or group label first.
		m_inner = ForTerminal(page.title).size() + 2;
		for (const LayoutItem& item : page.layout) {
			if (item.kind == LayoutItem::Item) {
				m_inner = std::max(m_inner, CheckBox(page, item).size());
			} else if (item.kind == LayoutItem::Group) {
				m_inner = std::max(m_inner, ForTerminal(item.label).size() + 4);
			}
		}
		m_width = m_inner + 5; // " | " + inner + " |"
	}

	PageScreen Arrange(bool closeButtons)
	{
		std::wstring title = L"== " + ForTerminal(m_page.title) + L" ";
		Line(title + std::wstring(m_width - std::min(m_width, title.size()), L'='));
		for (const LayoutItem& item : m_page.layout) {
			Place(item);
		}
		if (closeButtons) {
			Line(L"");
			m_row = L" ";
			AddButton(ScreenControl::Ok, L"", L"OK");
			m_row += L"  ";
			AddButton(ScreenControl::Cancel, L"", L"Cancel");
			Line(m_row);
		}
		return m_screen;
	}

private:
	void Line(const std::wstring& text) { m_screen.lines.push_back(text); }

	// A button at the end of the row being built, on the line it will take.
	void AddButton(ScreenControl::Kind kind, const std::wstring& name, const std::wstring& label)
	{
		std::wstring text = ButtonText(label);
		m_screen.controls.push_back(ScreenControl{kind, name, m_screen.lines.size(), m_row.size(), text.size()});
		m_row += text;
	}

	void Place(const LayoutItem& item)
	{
		bool inFrame = !m_framed.empty() && m_framed.back() != kNoFrame;
		switch (item.kind) {
		case LayoutItem::Row:
			m_inRow = true;
			m_row = L" ";
			break;
		case LayoutItem::EndRow:
			if (m_inRow) {
				Line(m_row);
			}
			m_inRow = false;
			break;
		case LayoutItem::Button:
			if (m_inRow) {
				m_row += m_row.size() > 1 ? L"  " : L"";
				AddButton(ScreenControl::Button, item.name, ItemLabel(item));
			} else {
				m_row = L" ";
				AddButton(ScreenControl::Button, item.name, ItemLabel(item));
				Line(m_row);
			}
			break;
		case LayoutItem::Group:
			if (item.showFrame) {
				std::wstring label = ForTerminal(item.label);
				std::wstring head = L" +-- " + label + L" ";
				ScreenFrame frame;
				frame.top = m_screen.lines.size();
				frame.left = 1;
				frame.right = m_width - 1;
				frame.labelBegin = 4;
				frame.labelEnd = head.size();
				m_framed.push_back(m_screen.frames.size());
				m_screen.frames.push_back(frame);
				Line(head + std::wstring(m_width - 1 - std::min(m_width - 1, head.size()), L'-') + L"+");
			} else {
				if (!item.label.empty()) {
					Line(L" " + ForTerminal(item.label));
				}
				m_framed.push_back(kNoFrame);
			}
			break;
		case LayoutItem::EndGroup:
			if (inFrame) {
				m_screen.frames[m_framed.back()].bottom = m_screen.lines.size();
				Line(L" +" + std::wstring(m_width - 3, L'-') + L"+");
			}
			if (!m_framed.empty()) {
				m_framed.pop_back();
			}
			break;
		case LayoutItem::Item: {
			std::wstring box = CheckBox(m_page, item);
			size_t column = inFrame ? 3 : 1;
			m_screen.controls.push_back(
			    ScreenControl{ScreenControl::Check, item.name, m_screen.lines.size(), column, box.size()});
			Line(inFrame ? L" | " + Padded(box, m_inner) + L" |" : L" " + box);
			break;
		}
		}
	}

	static constexpr size_t kNoFrame = static_cast<size_t>(-1);

	const PageSnapshot& m_page;
	size_t m_inner = 0;
	size_t m_width = 0;
	PageScreen m_screen;
	std::wstring m_row;
	bool m_inRow = false;
	std::vector<size_t> m_framed; // one entry per open group: its frame, or kNoFrame
};

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

host_engine::PageValues ClosedValuesInPageOrder(const host_engine::PageRecord& record)
{
	const host_engine::PageValues& values = ValuesAsClosed(record);
	std::vector<std::wstring> names;
	for (const auto& value : values) {
		names.push_back(value.first);
	}
	host_engine::PageValues ordered;
	for (const std::wstring& name : InPageOrder(names, record.layout)) {
		ordered.push_back(
		    *std::find_if(values.begin(), values.end(), [&name](const auto& value) { return value.first == name; }));
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

PageScreen ArrangePage(const PageSnapshot& page, bool closeButtons)
{
	return Arranger(page).Arrange(closeButtons);
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
