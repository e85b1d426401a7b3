// A page's words read from its layout, and what each word does on the open page.
#include "page/page_vocabulary.h"

#include "page/page_screen.h"
#include "base/quoted_text.h"
#include "base/text_encoding.h"

#include "engine/page_item_names.h"

#include <algorithm>

namespace quillmere_host {

namespace {

using host_engine::LayoutItem;
using host_engine::PageItemKey;

// Its words: the runs of characters between blanks.
std::vector<std::wstring> Words(const std::wstring& text)
{
	std::vector<std::wstring> words;
	std::wstring word;
	for (wchar_t c : text + L" ") {
		if (!host_engine::IsPageItemBlank(c)) {
			word += c;
		} else if (!word.empty()) {
			words.push_back(word);
			word.clear();
		}
	}
	return words;
}

// The step's name as the user wrote it, bytes and all, for a message: a
// byte that is not UTF-8 shows as \xff there, as in every other message,
// not as the U+FFFD it is compared as. A step made in code has its name alone.
std::string WrittenName(const PageStep& step)
{
	if (step.text.empty()) {
		return ToUtf8(step.name);
	}
	return step.kind == PageStep::Set ? step.text.substr(0, step.text.find('=')) : step.text;
}

// `words[first...]` spelling `spelled` word by word, each but the last a bare name.
bool Spells(const std::vector<PageStep>& words, size_t first, const std::vector<std::wstring>& spelled)
{
	if (words.size() - first < spelled.size()) {
		return false;
	}
	for (size_t k = 0; k < spelled.size(); ++k) {
		const PageStep& word = words[first + k];
		bool last = k + 1 == spelled.size();
		bool fits = word.kind == PageStep::Name || (last && word.kind == PageStep::Set);
		if (!fits || (!last && !word.problem.empty()) || PageItemKey(word.name) != spelled[k]) {
			return false;
		}
	}
	return true;
}

bool Names(const PageVocabulary::Entry& entry, const std::wstring& key)
{
	return PageItemKey(entry.name) == key || (!entry.label.empty() && PageItemKey(entry.label) == key);
}

// "Pos (Position)", or the name alone when the label says the same.
std::string Described(const PageVocabulary::Entry& entry)
{
	std::string text = ToUtf8(ForTerminal(entry.name));
	if (!entry.label.empty() && entry.label != entry.name) {
		text += " (" + ToUtf8(ForTerminal(entry.label)) + ")";
	}
	return text;
}

} // namespace

bool ApplyOrClose(const PageAction& action, host_engine::PropertyPage& page, host_engine::PageAnswer* answer)
{
	switch (action.kind) {
	case PageAction::Click: page.Click(action.name); break;
	case PageAction::Set: page.SetValue(action.name, action.value); break;
	case PageAction::Flip: page.SetValue(action.name, !static_cast<bool>(page.Value(action.name))); break;
	case PageAction::Ok:
	case PageAction::Cancel:
		*answer = action.kind == PageAction::Ok ? host_engine::PageAnswer::OK : host_engine::PageAnswer::Cancel;
		return true;
	}
	return false;
}

bool ApplyUntilClosed(const std::vector<PageAction>& actions, host_engine::PropertyPage& page,
                      host_engine::PageAnswer* answer)
{
	for (const PageAction& action : actions) {
		if (ApplyOrClose(action, page, answer)) {
			return true;
		}
	}
	return false;
}

PageVocabulary::PageVocabulary(const std::vector<LayoutItem>& layout, const std::vector<std::wstring>& parameters)
{
	// Parameters as the page shows them, each with its item's label.
	for (const std::wstring& parameter : InPageOrder(parameters, layout)) {
		auto item = std::find_if(layout.begin(), layout.end(), [&parameter](const LayoutItem& each) {
			return each.kind == LayoutItem::Item && each.name == parameter;
		});
		m_entries.push_back(Entry{false, parameter, item != layout.end() ? item->label : std::wstring()});
	}
	for (const LayoutItem& item : layout) {
		if (item.kind == LayoutItem::Button) {
			m_entries.push_back(Entry{true, item.name, item.label});
		}
	}
	for (const Entry& entry : m_entries) {
		for (const std::wstring* text : {&entry.name, &entry.label}) {
			std::vector<std::wstring> words = Words(*text);
			if (words.size() > 1) {
				for (std::wstring& word : words) {
					word = PageItemKey(word);
				}
				m_spelledInWords.push_back(words);
			}
		}
	}
}

std::vector<PageStep> PageVocabulary::Grouped(const std::vector<PageStep>& words) const
{
	std::vector<PageStep> steps;
	for (size_t i = 0; i < words.size();) {
		size_t longest = 1;
		for (const std::vector<std::wstring>& spelled : m_spelledInWords) {
			if (spelled.size() > longest && Spells(words, i, spelled)) {
				longest = spelled.size();
			}
		}
		PageStep step = words[i + longest - 1]; // its kind, value and problem are the last word's
		step.column = words[i].column;
		for (size_t k = longest - 1; k-- > 0;) {
			step.name = words[i + k].name + L" " + step.name;
			step.text = words[i + k].text + " " + step.text;
		}
		steps.push_back(step);
		i += longest;
	}
	return steps;
}

PageVocabulary::PageVocabulary(const host_engine::PropertyPage& page)
    : PageVocabulary(page.Layout(), page.ParameterNames())
{
}

bool PageVocabulary::Resolve(const PageStep& step, PageAction* action, std::string* problem) const
{
	if (step.kind == PageStep::Ok || step.kind == PageStep::Cancel) {
		action->kind = step.kind == PageStep::Ok ? PageAction::Ok : PageAction::Cancel;
		return true;
	}
	const std::wstring key = PageItemKey(step.name);
	std::vector<const Entry*> found;
	for (const Entry& entry : m_entries) {
		if (Names(entry, key)) {
			found.push_back(&entry);
		}
	}
	if (found.size() > 1) {
		// Two things answer to the word: the one whose name it spells
		// exactly, else the one whose label it does, if any.
		auto exact =
		    std::find_if(found.begin(), found.end(), [&step](const Entry* entry) { return entry->name == step.name; });
		if (exact == found.end()) {
			exact = std::find_if(found.begin(), found.end(),
			                     [&step](const Entry* entry) { return entry->label == step.name; });
		}
		if (exact == found.end()) {
			*problem = Quoted(WrittenName(step)) + " names both " + Described(*found[0]) + " and " +
			           Described(*found[1]) + "; use its name";
			return false;
		}
		found = {*exact};
	}
	if (found.empty()) {
		*problem = std::string("the page has no ") + (step.kind == PageStep::Set ? "option" : "option or button") +
		           " called " + Quoted(WrittenName(step));
		return false;
	}
	const Entry& entry = *found[0];
	if (entry.button && step.kind == PageStep::Set) {
		*problem = Described(entry) + " is a button: it is clicked by its name alone, with no value";
		return false;
	}
	action->name = entry.name;
	action->value = step.value;
	action->kind = entry.button ? PageAction::Click : step.kind == PageStep::Set ? PageAction::Set : PageAction::Flip;
	return true;
}

std::string PageVocabulary::Listing(bool buttons) const
{
	std::string list;
	for (const Entry& entry : m_entries) {
		if (entry.button == buttons) {
			list += (list.empty() ? "" : ", ") + Described(entry);
		}
	}
	return list.empty() ? "none" : list;
}

std::string PageVocabulary::Offered() const
{
	return " (options: " + Listing(false) + "; buttons: " + Listing(true) + ")";
}

} // namespace quillmere_host
