#include "terminal_page.h"

#include "page_view.h"
#include "quoted_text.h"
#include "text_encoding.h"

#include <algorithm>
#include <cctype>
#include <istream>
#include <ostream>

namespace quillmere_host {

namespace {

using host_engine::LayoutItem;
using host_engine::PageAnswer;

std::string Trimmed(const std::string& text)
{
	size_t first = text.find_first_not_of(" \t\r\n");
	size_t last = text.find_last_not_of(" \t\r\n");
	return first == std::string::npos ? std::string() : text.substr(first, last - first + 1);
}

} // namespace

PageAnswer TerminalPageDriver::Respond(host_engine::PropertyPage& page)
{
	std::vector<std::wstring> items = NumberedItems(page.Layout());
	for (;;) {
		m_out << DrawPage(SnapshotOf(page))
		      << "Number to flip an option, a button to click it, ok or cancel: " << std::flush;
		std::string line;
		if (!std::getline(m_in, line)) {
			m_out << "\n";
			return PageAnswer::Cancel;
		}
		std::string answer = Trimmed(line);
		std::string lowered = AsciiLowered(answer);
		if (lowered == "ok") {
			return PageAnswer::OK;
		}
		if (lowered == "cancel") {
			return PageAnswer::Cancel;
		}
		if (!answer.empty() &&
		    std::all_of(answer.begin(), answer.end(),
		                [](char c) { return std::isdigit(static_cast<unsigned char>(c)) != 0; }) &&
		    answer.size() < 6) {
			size_t number = std::stoul(answer);
			if (number >= 1 && number <= items.size()) {
				const std::wstring& name = items[number - 1];
				page.SetValue(name, !static_cast<bool>(page.Value(name)));
				continue;
			}
		}
		bool clicked = false;
		for (const LayoutItem& item : page.Layout()) {
			if (item.kind == LayoutItem::Button &&
			    (AsciiLowered(ToUtf8(item.name)) == lowered || AsciiLowered(ToUtf8(item.label)) == lowered)) {
				page.Click(item.name);
				clicked = true;
				break;
			}
		}
		if (!clicked && !answer.empty()) {
			m_out << "No option, button or answer called " << Quoted(answer) << ".\n";
		}
	}
}

} // namespace quillmere_host
