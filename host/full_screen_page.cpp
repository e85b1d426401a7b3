#include "full_screen_page.h"

#include "page_focus.h"
#include "page_interrupt.h"
#include "page_screen.h"
#include "page_view.h"

#define NCURSES_WIDECHAR 1
#include <curses.h>

// ncurses' OK is a macro, which would take the place of PageAnswer::OK.
const int kCursesOk = OK;
#undef OK

#include <algorithm>
#include <clocale>
#include <string>

namespace quillmere_host {

namespace {

using host_engine::PageAnswer;

const char* const kHelp = "Tab, arrows: move   Space: flip, click   Enter: OK   Esc, q: Cancel";
const int kEscape = 27;
const int kControlC = 3;
// How long a lone ESC waits for the rest of a key's sequence, in ms.
const int kEscapeDelay = 100;
// How often a wait for a key looks whether a signal asked to cancel, in ms.
const int kSignalCheck = 200;

// The terminal in full-screen mode for as long as it lives; restored in every
// case, an exception out of the page's callbacks included.
class CursesSession
{
public:
	CursesSession(std::FILE* in, std::FILE* out)
	{
		// Labels are UTF-8 text; ncurses needs the user's locale to draw them.
		const char* locale = std::setlocale(LC_CTYPE, nullptr);
		m_locale = locale ? locale : "C";
		std::setlocale(LC_CTYPE, "");
		m_screen = newterm(nullptr, out, in);
		if (m_screen == nullptr) {
			return;
		}
		char* move = tigetstr(const_cast<char*>("cup"));
		if (move == nullptr || move == reinterpret_cast<char*>(-1)) {
			Close();
			return;
		}
		raw(); // Ctrl-C arrives as a key, and cancels like Escape
		noecho();
		nonl();
		keypad(stdscr, TRUE);
		set_escdelay(kEscapeDelay);
		timeout(kSignalCheck);
		mouseinterval(0);
		mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr);
	}
	~CursesSession()
	{
		Close();
		std::setlocale(LC_CTYPE, m_locale.c_str());
	}
	CursesSession(const CursesSession&) = delete;
	CursesSession& operator=(const CursesSession&) = delete;

	bool Open() const { return m_screen != nullptr; }

private:
	void Close()
	{
		if (m_screen != nullptr) {
			endwin();
			delscreen(m_screen);
			m_screen = nullptr;
		}
	}

	SCREEN* m_screen = nullptr;
	std::string m_locale;
};

// Draws frames over the ASCII ones with the terminal's line characters.
void DrawFrame(const ScreenFrame& frame, size_t top, int rows, int columns)
{
	auto put = [&](size_t line, size_t column, chtype c) {
		if (line >= top && static_cast<int>(line - top) < rows && static_cast<int>(column) < columns) {
			mvaddch(static_cast<int>(line - top), static_cast<int>(column), c);
		}
	};
	if (frame.bottom <= frame.top) {
		return; // a group the layout never ended: left as drawn
	}
	for (size_t column = frame.left + 1; column < frame.right; ++column) {
		if (column < frame.labelBegin || column >= frame.labelEnd) {
			put(frame.top, column, ACS_HLINE);
		}
		put(frame.bottom, column, ACS_HLINE);
	}
	for (size_t line = frame.top + 1; line < frame.bottom; ++line) {
		put(line, frame.left, ACS_VLINE);
		put(line, frame.right, ACS_VLINE);
	}
	put(frame.top, frame.left, ACS_ULCORNER);
	put(frame.top, frame.right, ACS_URCORNER);
	put(frame.bottom, frame.left, ACS_LLCORNER);
	put(frame.bottom, frame.right, ACS_LRCORNER);
}

class PageOnScreen
{
public:
	explicit PageOnScreen(host_engine::PropertyPage& page) : m_page(page) { Rearrange(); }

	// Until the page is closed, a key at a time.
	PageAnswer Run(const PageInterrupt& interrupt)
	{
		for (;;) {
			Draw();
			int key = getch();
			if (key == ERR) {
				if (interrupt.Happened()) {
					return PageAnswer::Cancel;
				}
				continue;
			}
			PageAnswer answer;
			if (Take(key, &answer)) {
				return answer;
			}
		}
	}

private:
	void Rearrange()
	{
		m_screen = ArrangePage(SnapshotOf(m_page), true);
		m_focus.Arrange(m_screen.controls);
	}

	// True when the key closed the page with `answer`.
	bool Take(int key, PageAnswer* answer)
	{
		switch (key) {
		case KEY_UP: m_focus.Up(); return false;
		case KEY_DOWN: m_focus.Down(); return false;
		case KEY_LEFT:
		case KEY_BTAB: m_focus.Previous(); return false;
		case KEY_RIGHT:
		case '\t': m_focus.Next(); return false;
		case ' ': return Activate(answer);
		case '\r':
		case '\n':
		case KEY_ENTER: {
			const ScreenControl* current = m_focus.Current();
			if (current != nullptr && current->kind != ScreenControl::Check) {
				return Activate(answer);
			}
			*answer = PageAnswer::OK;
			return true;
		}
		case 'q':
		case 'Q':
		case kControlC: *answer = PageAnswer::Cancel; return true;
		case kEscape:
			if (IsLoneEscape()) {
				*answer = PageAnswer::Cancel;
				return true;
			}
			return false;
		case KEY_MOUSE: {
			MEVENT event;
			if (getmouse(&event) == kCursesOk && (event.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) != 0 &&
			    m_focus.At(static_cast<size_t>(event.y) + m_top, static_cast<size_t>(event.x))) {
				return Activate(answer);
			}
			return false;
		}
		default: return false; // KEY_RESIZE included: the next draw fits the new size
		}
	}

	// An ESC with nothing after it is the Escape key. The start of a key's
	// sequence that ncurses doesn't know (ESC [ 2 5 ~) is read to its end and
	// dropped, so an unknown key neither cancels nor types its tail.
	static bool IsLoneEscape()
	{
		timeout(0);
		int next = getch();
		if (next == '[' || next == 'O') {
			for (int c = getch(); c != ERR && !(c >= 0x40 && c <= 0x7e); c = getch()) {
			}
		}
		timeout(kSignalCheck);
		return next == ERR;
	}

	bool Activate(PageAnswer* answer)
	{
		const ScreenControl* current = m_focus.Current();
		if (current == nullptr) {
			return false;
		}
		switch (current->kind) {
		case ScreenControl::Ok: *answer = PageAnswer::OK; return true;
		case ScreenControl::Cancel: *answer = PageAnswer::Cancel; return true;
		case ScreenControl::Check:
			m_page.SetValue(current->name, !static_cast<bool>(m_page.Value(current->name)));
			break;
		case ScreenControl::Button: m_page.Click(current->name); break;
		}
		Rearrange(); // the page's callback may have changed any value
		return false;
	}

	void Draw()
	{
		erase();
		const int rows = std::max(1, LINES - 1); // the last line is the help
		const ScreenControl* current = m_focus.Current();
		// Scrolled, when the terminal is shorter than the page, to show the focus.
		if (current != nullptr && current->line < m_top) {
			m_top = current->line;
		} else if (current != nullptr && current->line >= m_top + static_cast<size_t>(rows)) {
			m_top = current->line - static_cast<size_t>(rows) + 1;
		}
		for (int row = 0; row < rows && m_top + static_cast<size_t>(row) < m_screen.lines.size(); ++row) {
			const std::wstring& line = m_screen.lines[m_top + static_cast<size_t>(row)];
			mvaddnwstr(row, 0, line.c_str(), std::min(static_cast<int>(line.size()), COLS));
		}
		if (m_top == 0) {
			mvchgat(0, 0, -1, A_BOLD, 0, nullptr); // the title
		}
		for (const ScreenFrame& frame : m_screen.frames) {
			DrawFrame(frame, m_top, rows, COLS);
		}
		mvaddnstr(LINES - 1, 0, kHelp, COLS);
		mvchgat(LINES - 1, 0, -1, A_REVERSE, 0, nullptr);
		if (current != nullptr && current->line >= m_top) {
			int row = static_cast<int>(current->line - m_top);
			mvchgat(row, static_cast<int>(current->column), static_cast<int>(current->width), A_REVERSE, 0, nullptr);
			// The cursor on the check box's mark, or on the button's first letter.
			move(row, static_cast<int>(current->column) + (current->kind == ScreenControl::Check ? 1 : 2));
		}
		refresh();
	}

	host_engine::PropertyPage& m_page;
	PageScreen m_screen;
	PageFocus m_focus;
	size_t m_top = 0; // the page's first line on the screen
};

} // namespace

bool FullScreenPage::Answer(host_engine::PropertyPage& page, PageAnswer* answer)
{
	PageInterrupt interrupt; // before ncurses starts, so that it keeps ours
	CursesSession session(m_in, m_out);
	if (!session.Open()) {
		return false;
	}
	*answer = PageOnScreen(page).Run(interrupt);
	return true;
}

} // namespace quillmere_host
