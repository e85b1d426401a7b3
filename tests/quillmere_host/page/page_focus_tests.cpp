// Moving the focus over an arranged page, by keys and by the mouse.
#include "page/page_focus.h"

#include <gtest/gtest.h>

namespace {

using quillmere_host::PageFocus;
using quillmere_host::ScreenControl;

ScreenControl At(const wchar_t* name, size_t line, size_t column, size_t width = 6)
{
	ScreenControl control;
	control.kind = ScreenControl::Check;
	control.name = name;
	control.line = line;
	control.column = column;
	control.width = width;
	return control;
}

// Two buttons in a row, three check boxes below, then OK and Cancel.
std::vector<ScreenControl> Controls()
{
	std::vector<ScreenControl> controls = {At(L"left", 1, 1), At(L"right", 1, 12), At(L"a", 3, 3),   At(L"b", 4, 3),
	                                       At(L"c", 5, 3),    At(L"", 7, 1),       At(L"", 7, 9, 10)};
	controls[0].kind = ScreenControl::Button;
	controls[1].kind = ScreenControl::Button;
	controls[5].kind = ScreenControl::Ok;
	controls[6].kind = ScreenControl::Cancel;
	return controls;
}

std::wstring Focused(const PageFocus& focus)
{
	const ScreenControl* current = focus.Current();
	if (current == nullptr) {
		return L"(none)";
	}
	return current->kind == ScreenControl::Ok       ? L"OK"
	       : current->kind == ScreenControl::Cancel ? L"Cancel"
	                                                : current->name;
}

TEST(PageFocus, APageOpensOnItsFirstOption_NotOnAButton)
{
	PageFocus focus;
	focus.Arrange(Controls());
	EXPECT_EQ(Focused(focus), L"a");

	// Its control gone after a redraw: the first option again.
	focus.Next();
	std::vector<ScreenControl> without = Controls();
	without.erase(without.begin() + 3); // "b"
	focus.Arrange(without);
	EXPECT_EQ(Focused(focus), L"a");

	// A page of buttons alone opens on the first of them.
	PageFocus buttons;
	std::vector<ScreenControl> controls = Controls();
	buttons.Arrange({controls[0], controls[1], controls[5], controls[6]});
	EXPECT_EQ(Focused(buttons), L"left");
}

TEST(PageFocus, TabGoesInThePagesOrder_RoundTheEnd)
{
	PageFocus focus;
	focus.Arrange(Controls());
	focus.Next();
	EXPECT_EQ(Focused(focus), L"b");
	focus.Previous();
	focus.Previous();
	focus.Previous();
	focus.Previous();
	EXPECT_EQ(Focused(focus), L"Cancel");
	focus.Next();
	EXPECT_EQ(Focused(focus), L"left");
}

TEST(PageFocus, UpAndDown_ToTheNearestControlOnTheNearestLine)
{
	PageFocus focus;
	focus.Arrange(Controls());
	ASSERT_TRUE(focus.At(1, 12)); // "right", far to the right of the boxes below
	focus.Down();
	EXPECT_EQ(Focused(focus), L"a");
	focus.Down();
	focus.Down();
	focus.Down();
	EXPECT_EQ(Focused(focus), L"OK"); // from column 3, OK at 1 is nearer than Cancel at 9
	focus.Down();
	EXPECT_EQ(Focused(focus), L"OK"); // nothing below: it stays
	focus.Up();
	focus.Up();
	focus.Up();
	focus.Up();
	EXPECT_EQ(Focused(focus), L"left");
	focus.Up();
	EXPECT_EQ(Focused(focus), L"left");
}

TEST(PageFocus, AClickFocusesWhatItLandsOn_ARedrawKeepsTheFocus)
{
	PageFocus focus;
	focus.Arrange(Controls());
	EXPECT_TRUE(focus.At(7, 18)); // Cancel's last column
	EXPECT_EQ(Focused(focus), L"Cancel");
	EXPECT_FALSE(focus.At(7, 19));
	EXPECT_FALSE(focus.At(2, 3));
	EXPECT_EQ(Focused(focus), L"Cancel");
	EXPECT_TRUE(focus.At(4, 3));

	// After a resize, say, the same control keeps the focus wherever it went.
	std::vector<ScreenControl> moved = Controls();
	moved.erase(moved.begin());
	focus.Arrange(moved);
	EXPECT_EQ(Focused(focus), L"b");

	PageFocus empty;
	empty.Arrange({});
	empty.Next();
	empty.Down();
	EXPECT_EQ(empty.Current(), nullptr);
}

} // namespace
