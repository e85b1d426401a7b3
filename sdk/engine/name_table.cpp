// The host's interned names, and the texts the object API hands out for them.
#include "engine/name_table.h"

#include "engine/address_sanitizer.h"

namespace host_engine {

XSI::CString NameTable::AsString(uint32_t id)
{
	if (kAddressSanitizer) {
		std::wstring_view text = m_texts.Text(id);
		return XSI::CString(text.data(), static_cast<ULONG>(text.size()));
	}
	Answer& answer = m_answers[id % kAnswers];
	if (answer.id != id) {
		std::wstring_view text = m_texts.Text(id);
		answer.text = XSI::CString(text.data(), static_cast<ULONG>(text.size()));
		answer.id = id;
	}
	return answer.text;
}

} // namespace host_engine
