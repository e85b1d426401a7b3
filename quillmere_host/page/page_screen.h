// A page on a screen of text: what it shows (a snapshot, open or as it
// closed), and where its lines, frames and the controls a user can reach go,
// from the layout the page's plug-in built.
#ifndef QUILLMERE_HOST_PAGE_SCREEN_H
#define QUILLMERE_HOST_PAGE_SCREEN_H

#include "engine/recording_page_driver.h"
#include "engine/page_layout.h"

#include <map>
#include <string>
#include <vector>

namespace quillmere_host {

// A page as it shows: its title, its layout and its values.
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
// A closed page's values (ValuesAsClosed) in that order.
host_engine::PageValues ClosedValuesInPageOrder(const host_engine::PageRecord& record);

struct ScreenControl {
	enum Kind { Check, Button, Ok, Cancel };
	Kind kind = Check;
	std::wstring name; // the parameter or the button's script name; empty for OK and Cancel
	size_t line = 0;
	size_t column = 0;
	size_t width = 0;
};

// A group's border: its corners, and the part of its top line its label takes.
struct ScreenFrame {
	size_t top = 0;
	size_t bottom = 0;
	size_t left = 0;
	size_t right = 0;
	size_t labelBegin = 0; // [labelBegin, labelEnd) on the top line is not border
	size_t labelEnd = 0;
};

struct PageScreen {
	std::vector<std::wstring> lines;     // frames drawn in ASCII
	std::vector<ScreenControl> controls; // in the page's order
	std::vector<ScreenFrame> frames;
};

// The title, rows of buttons, groups with their labels (framed where the
// layout asks), and one check box per item; with `closeButtons`, OK and
// Cancel below, as a modal page has them.
PageScreen ArrangePage(const PageSnapshot& page, bool closeButtons);

// The page as text, without close buttons: its arranged lines, each ended.
std::string DrawPage(const PageSnapshot& page);

} // namespace quillmere_host

#endif
