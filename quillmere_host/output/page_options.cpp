#include "output/page_options.h"

#include <algorithm>
#include <cstdint>

namespace quillmere_host {

namespace {

bool IsAsciiLetterOrDigit(wchar_t c)
{
	return (c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z') || (c >= L'0' && c <= L'9');
}

bool IsWordCharacter(wchar_t c)
{
	return IsAsciiLetterOrDigit(c) || static_cast<uint32_t>(c) >= 0x80;
}

bool IsUpper(wchar_t c)
{
	return c >= L'A' && c <= L'Z';
}

bool IsLowerOrDigit(wchar_t c)
{
	return (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9');
}

wchar_t Lowered(wchar_t c)
{
	return IsUpper(c) ? static_cast<wchar_t>(c - L'A' + L'a') : c;
}

// In the cache: not asked yet, and no option.
const int16_t kNotAsked = -1;
const int16_t kNoOption = -2;

} // namespace

std::vector<std::wstring> WordsOf(std::wstring_view text)
{
	std::vector<std::wstring> words;
	std::wstring word;
	for (size_t i = 0; i <= text.size(); ++i) {
		wchar_t c = i < text.size() ? text[i] : L' ';
		bool split = !IsWordCharacter(c) || (IsUpper(c) && i > 0 && IsLowerOrDigit(text[i - 1]));
		if (split && !word.empty()) {
			words.push_back(word);
			word.clear();
		}
		if (IsWordCharacter(c)) {
			word.push_back(Lowered(c));
		}
	}
	return words;
}

PageOptions::PageOptions(const std::vector<host_engine::LayoutItem>& layout, const host_engine::PageValues& values)
{
	for (const host_engine::LayoutItem& item : layout) {
		if (item.kind != host_engine::LayoutItem::Item) {
			continue;
		}
		PageOption option;
		option.parameter = item.name;
		option.label = item.label.empty() ? item.name : item.label;
		for (const auto& value : values) {
			option.on = value.first == item.name ? value.second : option.on;
		}
		for (std::wstring& word : WordsOf(option.label)) {
			if (std::find(option.words.begin(), option.words.end(), word) == option.words.end()) {
				option.words.push_back(std::move(word));
			}
		}
		m_options.push_back(std::move(option));
	}
}

size_t PageOptions::OptionOf(std::wstring_view name) const
{
	const std::vector<std::wstring> words = WordsOf(name);
	size_t best = kNone;
	size_t bestHeld = 0;
	for (size_t i = 0; i < m_options.size(); ++i) {
		size_t held = 0;
		for (const std::wstring& word : m_options[i].words) {
			held += std::find(words.begin(), words.end(), word) != words.end() ? 1 : 0;
		}
		if (held * 2 > m_options[i].words.size() && held > bestHeld) {
			best = i;
			bestHeld = held;
		}
	}
	return best;
}

size_t PageOptions::OptionOf(uint32_t nameId, const host_engine::NameTable& names)
{
	if (m_options.size() >= static_cast<size_t>(INT16_MAX)) {
		return OptionOf(names.Text(nameId)); // more than the cache can number
	}
	if (nameId >= m_byNameId.size()) {
		m_byNameId.resize(static_cast<size_t>(nameId) + 1, kNotAsked);
	}
	int16_t& known = m_byNameId[nameId];
	if (known == kNotAsked) {
		size_t option = OptionOf(names.Text(nameId));
		known = option == kNone ? kNoOption : static_cast<int16_t>(option);
	}
	return known == kNoOption ? kNone : static_cast<size_t>(known);
}

} // namespace quillmere_host
