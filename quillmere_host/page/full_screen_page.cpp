// The option page full screen with ncurses: drawn, moved about with keys and
// the mouse, redrawn on a resize, the terminal put back however it closes.
#include "page/full_screen_page.h"

#include "page/page_focus.h"
#include "page/page_screen.h"
#include "page/page_viewport.h"
#include "terminal/page_interrupt.h"
#include "terminal/terminal_signal_restore.h"

#define NCURSES_WIDECHAR 1
#include <curses.h>

// ncurses' OK is a macro, which would take the place of PageAnswer::OK.
const int kCursesOk = OK;
#undef OK

#include <poll.h>
#include <termios.h>

#include <algorithm>
#include <clocale>
#include <csignal>
#include <cstring>
#include <memory>
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

// A terminal capability's text without its padding ("$<2>"), which only
// tputs understands; empty when the terminal lacks it.
std::string Capability(const char* name)
{
	const char* text = tigetstr(const_cast<char*>(name));
	if (text == nullptr || text == reinterpret_cast<char*>(-1)) {
		return std::string();
	}
	std::string plain;
	for (const char* c = text; *c != '\0'; ++c) {
		const char* end = c[0] == '$' && c[1] == '<' ? std::strchr(c, '>') : nullptr;
		if (end != nullptr) {
			c = end;
		} else {
			plain += *c;
		}
	}
	return plain;
}

// What endwin writes to put the terminal back, written ahead of time for a
// signal handler, which may not call ncurses: attributes, mouse tracking,
// keypad mode, the cursor, the alternate screen.
std::string ResetSequence(bool mouse)
{
	std::string reset = Capability("sgr0");
	if (mouse) {
		// ncurses' own mouse switch: the terminal's XM, else xterm's 1000 mode.
		std::string xm = Capability("XM");
		const char* off = xm.empty() ? nullptr : tiparm(xm.c_str(), 0);
		reset += off != nullptr ? off : "\033[?1000l";
	}
	return reset + Capability("rmkx") + Capability("cnorm") + Capability("rmcup");
}

// The terminal in full-screen mode for as long as it lives; restored in every
// case, an exception out of the page's callbacks and a signal that ends the
// program included.
class CursesSession
{
public:
	CursesSession(std::FILE* in, std::FILE* out) : m_out(out)
	{
		struct termios modes;
		bool haveModes = tcgetattr(fileno(in), &modes) == 0; // as the user had them
		// Labels are UTF-8 text; ncurses needs the user's locale to draw them.
		const char* locale = std::setlocale(LC_CTYPE, nullptr);
		m_locale = locale ? locale : "C";
		std::setlocale(LC_CTYPE, "");
		m_screen = newterm(nullptr, out, in);
		if (m_screen == nullptr) {
			return;
		}
		if (Capability("cup").empty()) {
			Close();
			return;
		}
		// Without an alternate screen (vt100, the linux console) the page
		// stays on screen after it closes.
		m_pageStays = Capability("rmcup").empty();
		raw(); // Ctrl-C arrives as a key, and cancels like Escape
		noecho();
		nonl();
		keypad(stdscr, TRUE);
		set_escdelay(kEscapeDelay);
		timeout(kSignalCheck);
		mouseinterval(0);
		bool mouse = mousemask(BUTTON1_PRESSED | BUTTON1_CLICKED, nullptr) != 0;
		m_signals.reset(new TerminalSignalRestore(fileno(out), haveModes ? &modes : nullptr, ResetSequence(mouse)));
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
			m_signals.reset();
			if (m_pageStays) {
				// endwin leaves the cursor on the help line: what follows
				// starts on a line of its own below it.
				std::fputs("\n", m_out);
				std::fflush(m_out);
			}
		}
	}

	std::FILE* m_out;
	SCREEN* m_screen = nullptr;
	std::unique_ptr<TerminalSignalRestore> m_signals;
	bool m_pageStays = false;
	std::string m_locale;
};

// Draws frames over the ASCII ones with the terminal's line characters.
void DrawFrame(const ScreenFrame& frame, const PageViewport& view)
{
	auto put = [&](size_t line, size_t column, chtype c) {
		if (line >= view.Top() && column >= view.Left()) {
			size_t row = line - view.Top();
			size_t shownColumn = column - view.Left();
			size_t unused;
			if (view.PageCell(row, shownColumn, &unused, &unused)) {
				mvaddch(static_cast<int>(row), static_cast<int>(shownColumn), c);
			}
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

// A terminal that is gone (closed without a hangup reaching us) makes every
// wait for a key end at once with no key: asked only after such a wait.
bool TerminalGone(int in)
{
	struct pollfd input = {};
	input.fd = in;
	input.events = POLLIN;
	return poll(&input, 1, 0) == 1 && (input.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0;
}

class PageOnScreen
{
public:
	explicit PageOnScreen(host_engine::PropertyPage& page) : m_page(page) { Rearrange(); }

	// Until the page is closed, a key at a time.
	PageAnswer Run(const PageInterrupt& interrupt, int in)
	{
		for (;;) {
			// Looked at between keys too: a long paste holds no signal up.
			if (interrupt.Happened()) {
				return PageAnswer::Cancel;
			}
			Draw();
			int key = getch();
			PageAnswer answer;
			if (key != ERR && !interrupt.Happened() && Take(key, &answer)) {
				return answer;
			}
			if (key == ERR && TerminalGone(in)) {
				// What a hangup would have said, had one reached us.
				std::raise(SIGHUP);
				return PageAnswer::Cancel;
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
		case '\n': // Ctrl-J, a bare line feed
		case KEY_ENTER: return Enter(answer);
		case 'q':
		case 'Q':
		case kControlC: *answer = PageAnswer::Cancel; return true;
		case kEscape:
			switch (AfterEscape()) {
			case Escaped::Escape: *answer = PageAnswer::Cancel; return true;
			case Escaped::KeypadEnter: return Enter(answer);
			case Escaped::OtherKey: return false;
			}
			return false;
		case KEY_MOUSE: {
			// Only what is shown can be clicked: never the help line, nor
			// what lies under it or beyond the screen's edge.
			MEVENT event;
			size_t line = 0;
			size_t column = 0;
			if (getmouse(&event) == kCursesOk && (event.bstate & (BUTTON1_PRESSED | BUTTON1_CLICKED)) != 0 &&
			    event.y >= 0 && event.x >= 0 &&
			    m_view.PageCell(static_cast<size_t>(event.y), static_cast<size_t>(event.x), &line, &column) &&
			    m_focus.At(line, column)) {
				return Activate(answer);
			}
			return false;
		}
		default: return false; // KEY_RESIZE included: the next draw fits the new size
		}
	}

	// OK wherever the focus is, as the help line says; Cancel's own Enter
	// cancels.
	bool Enter(PageAnswer* answer)
	{
		const ScreenControl* current = m_focus.Current();
		bool cancel = current != nullptr && current->kind == ScreenControl::Cancel;
		*answer = cancel ? PageAnswer::Cancel : PageAnswer::OK;
		return true;
	}

	enum class Escaped { Escape, KeypadEnter, OtherKey };

	// An ESC is the Escape key unless a key's sequence follows it. What
	// follows is then a key of its own (over ssh, Escape and the next key
	// arrive together: ESC ESC, ESC q), put back for the next read. A
	// sequence ncurses doesn't know is read to its end: keypad Enter (ESC O
	// M, sent once the page turns keypad mode on, where the terminal's
	// description names no such key) is Enter; any other (ESC [ 2 5 ~) is
	// dropped, so an unknown key neither cancels nor types its tail.
	static Escaped AfterEscape()
	{
		timeout(0);
		int next = getch();
		int last = ERR;
		if (next == '[' || next == 'O') {
			for (last = getch(); last != ERR && !(last >= 0x40 && last <= 0x7e); last = getch()) {
			}
		} else if (next != ERR) {
			ungetch(next);
		}
		timeout(kSignalCheck);
		if (next != '[' && next != 'O') {
			return Escaped::Escape;
		}
		return next == 'O' && last == 'M' ? Escaped::KeypadEnter : Escaped::OtherKey;
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
		// The last line is the help, but on a screen of one line, which
		// shows the focus instead.
		const bool helpShown = LINES > 1;
		const int rows = helpShown ? LINES - 1 : 1;
		const int columns = std::max(1, COLS);
		const ScreenControl* current = m_focus.Current();
		m_view.Fit(m_screen, current, static_cast<size_t>(rows), static_cast<size_t>(columns));
		const size_t top = m_view.Top();
		const size_t left = m_view.Left();
		for (int row = 0; row < rows && top + static_cast<size_t>(row) < m_screen.lines.size(); ++row) {
			const std::wstring& line = m_screen.lines[top + static_cast<size_t>(row)];
			if (line.size() > left) {
				mvaddnwstr(row, 0, line.c_str() + left, std::min(static_cast<int>(line.size() - left), columns));
			}
		}
		if (top == 0) {
			mvchgat(0, 0, -1, A_BOLD, 0, nullptr); // the title
		}
		for (const ScreenFrame& frame : m_screen.frames) {
			DrawFrame(frame, m_view);
		}
		if (helpShown) {
			mvaddnstr(LINES - 1, 0, kHelp, COLS);
			mvchgat(LINES - 1, 0, -1, A_REVERSE, 0, nullptr);
		}
		// Fit put the focus in sight, its start at least.
		if (current != nullptr && current->line >= top && current->column >= left) {
			int row = static_cast<int>(current->line - top);
			int column = static_cast<int>(current->column - left);
			mvchgat(row, column, std::min(static_cast<int>(current->width), columns - column), A_REVERSE, 0, nullptr);
			// The cursor on the check box's mark, or on the button's first letter.
			move(row, std::min(columns - 1, column + (current->kind == ScreenControl::Check ? 1 : 2)));
		}
		refresh();
	}

	host_engine::PropertyPage& m_page;
	PageScreen m_screen;
	PageFocus m_focus;
	PageViewport m_view;
};

} // namespace

bool FullScreenPage::Answer(host_engine::PropertyPage& page, PageAnswer* answer)
{
	PageInterrupt interrupt; // before ncurses starts, so that it keeps ours
	CursesSession session(m_in, m_out);
	if (!session.Open()) {
		return false;
	}
	*answer = PageOnScreen(page).Run(interrupt, fileno(m_in));
	return true;
}

} // namespace quillmere_host
