#include "page/page_focus.h"

namespace quillmere_host {

namespace {

size_t Distance(size_t a, size_t b)
{
	return a > b ? a - b : b - a;
}

} // namespace

void PageFocus::Arrange(const std::vector<ScreenControl>& controls)
{
	const ScreenControl* current = Current();
	size_t index = controls.size();
	for (size_t i = 0; current != nullptr && i < controls.size(); ++i) {
		if (controls[i].kind == current->kind && controls[i].name == current->name) {
			index = i;
			break;
		}
	}
	// A page opens on its first option, not on a button a stray Enter or
	// Space would click.
	for (size_t i = 0; index == controls.size() && i < controls.size(); ++i) {
		if (controls[i].kind == ScreenControl::Check) {
			index = i;
		}
	}
	m_controls = controls;
	m_index = index < controls.size() ? index : 0;
}

const ScreenControl* PageFocus::Current() const
{
	return m_index < m_controls.size() ? &m_controls[m_index] : nullptr;
}

void PageFocus::Next()
{
	if (!m_controls.empty()) {
		m_index = (m_index + 1) % m_controls.size();
	}
}

void PageFocus::Previous()
{
	if (!m_controls.empty()) {
		m_index = (m_index + m_controls.size() - 1) % m_controls.size();
	}
}

void PageFocus::Up()
{
	Vertical(false);
}

void PageFocus::Down()
{
	Vertical(true);
}

void PageFocus::Vertical(bool down)
{
	const ScreenControl* current = Current();
	if (current == nullptr) {
		return;
	}
	const size_t line = current->line;
	const size_t column = current->column;
	size_t best = m_index;
	for (size_t i = 0; i < m_controls.size(); ++i) {
		const ScreenControl& control = m_controls[i];
		bool beyond = down ? control.line > line : control.line < line;
		if (!beyond) {
			continue;
		}
		if (best == m_index) {
			best = i;
			continue;
		}
		const ScreenControl& chosen = m_controls[best];
		size_t lineGap = Distance(control.line, line);
		size_t chosenGap = Distance(chosen.line, line);
		if (lineGap < chosenGap ||
		    (lineGap == chosenGap && Distance(control.column, column) < Distance(chosen.column, column))) {
			best = i;
		}
	}
	m_index = best;
}

bool PageFocus::At(size_t line, size_t column)
{
	for (size_t i = 0; i < m_controls.size(); ++i) {
		const ScreenControl& control = m_controls[i];
		if (control.line == line && column >= control.column && column < control.column + control.width) {
			m_index = i;
			return true;
		}
	}
	return false;
}

} // namespace quillmere_host
