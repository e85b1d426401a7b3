// What a property page is made of, as its layout callback built it: rows of
// buttons, groups, and items that show parameters.
#ifndef HOST_ENGINE_PAGE_LAYOUT_H
#define HOST_ENGINE_PAGE_LAYOUT_H

#include <string>

namespace host_engine {

struct LayoutItem {
	enum Kind { Row, EndRow, Button, Group, EndGroup, Item };
	Kind kind;
	std::wstring name; // a button's script name or an item's parameter
	std::wstring label;
	std::wstring uiType;
	bool showFrame = false;
	long widthPercentage = 0;
};

} // namespace host_engine

#endif
