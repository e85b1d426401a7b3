// The host's names, interned: each text stored once and known by its id.
#ifndef HOST_ENGINE_NAME_TABLE_H
#define HOST_ENGINE_NAME_TABLE_H

#include "engine/text_table.h"

#include <xsi_string.h>

#include <array>
#include <cstdint>
#include <string_view>

namespace host_engine {

// A million objects share a handful of constraint names, and every name is
// stored once.
class NameTable
{
public:
	uint32_t Intern(std::wstring_view text) { return m_texts.Intern(text); }
	// The id of `text` if it was ever interned, else 0 (the empty text).
	uint32_t Find(std::wstring_view text) const
	{
		uint32_t id = m_texts.Find(text);
		return id == TextTable<wchar_t>::kNone ? 0 : id;
	}
	std::wstring_view Text(uint32_t id) const { return m_texts.Text(id); }
	void Reserve(size_t count) { m_texts.Reserve(count); }

	// The text as the object API hands it out. A name asked for again (a
	// million objects share a handful of constraint names) shares the text
	// of the last answer instead of copying it again; not under
	// AddressSanitizer, which is to see a text kept past its life.
	XSI::CString AsString(uint32_t id);

private:
	TextTable<wchar_t> m_texts;
	struct Answer {
		uint32_t id = TextTable<wchar_t>::kNone;
		XSI::CString text;
	};
	static const size_t kAnswers = 64;
	std::array<Answer, kAnswers> m_answers;
};

} // namespace host_engine

#endif
