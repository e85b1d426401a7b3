// Page layout items written in a line, for tests that draw or arrange pages.
#ifndef QUILLMERE_TESTS_LAYOUT_ITEMS_H
#define QUILLMERE_TESTS_LAYOUT_ITEMS_H

#include "engine/page_layout.h"

namespace quillmere_tests {

inline host_engine::LayoutItem Entry(host_engine::LayoutItem::Kind kind, const wchar_t* name = L"",
                                     const wchar_t* label = L"", bool frame = false)
{
	host_engine::LayoutItem item;
	item.kind = kind;
	item.name = name;
	item.label = label;
	item.showFrame = frame;
	return item;
}

} // namespace quillmere_tests

#endif
