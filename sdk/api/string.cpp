// CString and CStringArray. A string's one pointer leads to its text, which
// copies share until one of them changes; the empty text is no pointer.
#include "block_pool.h"
#include "counted_items.h"
#include "engine/plugin_fault.h"

#include <xsi_status.h>
#include <xsi_string.h>
#include <xsi_value.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwctype>
#include <functional>
#include <new>
#include <string_view>

namespace XSI {

namespace {

// A text and its bookkeeping, in one block from the pool; the characters
// follow it, ended by a NUL.
struct Text {
	uint32_t refs;   // the strings sharing it
	uint32_t length; // characters, not counting the NUL
	uint32_t bytes;  // the block's size, as the pool granted it
	// What GetAsciiString gave, made once for the text and dropped when the
	// text changes.
	char* ascii;

	wchar_t* Chars() { return reinterpret_cast<wchar_t*>(this + 1); }
	size_t Capacity() const { return (bytes - sizeof(Text)) / sizeof(wchar_t) - 1; }
};

const size_t kMaxLength = (UINT32_MAX - sizeof(Text)) / sizeof(wchar_t) - 1;

Text* TextOf(void* text)
{
	return static_cast<Text*>(text);
}

std::wstring_view View(void* text)
{
	return text ? std::wstring_view(TextOf(text)->Chars(), TextOf(text)->length) : std::wstring_view();
}

Text* NewText(size_t capacity)
{
	if (capacity > kMaxLength) {
		throw std::bad_alloc();
	}
	size_t granted = 0;
	Text* text = static_cast<Text*>(block_pool::Allocate(sizeof(Text) + (capacity + 1) * sizeof(wchar_t), &granted));
	text->refs = 1;
	text->length = 0;
	text->bytes = static_cast<uint32_t>(granted);
	text->ascii = nullptr;
	text->Chars()[0] = L'\0';
	return text;
}

void Share(void* text)
{
	if (text) {
		++TextOf(text)->refs;
	}
}

void Release(void* text)
{
	Text* shared = TextOf(text);
	if (shared && --shared->refs == 0) {
		delete[] shared->ascii;
		block_pool::Free(shared, shared->bytes);
	}
}

// The text behind `slot`, if it is this string's alone and holds `length`
// characters; with its ASCII copy dropped, as the caller is about to write.
Text* Writable(void* slot, size_t length)
{
	Text* text = TextOf(slot);
	if (text == nullptr || text->refs != 1 || length > text->Capacity()) {
		return nullptr;
	}
	delete[] text->ascii;
	text->ascii = nullptr;
	return text;
}

void Finish(Text* text, size_t length)
{
	text->length = static_cast<uint32_t>(length);
	text->Chars()[length] = L'\0';
}

// Sets `slot` to `count` characters at `chars`, which may lie in its own text.
void Assign(void*& slot, const wchar_t* chars, size_t count)
{
	if (count == 0) {
		Release(slot);
		slot = nullptr;
	} else if (Text* text = Writable(slot, count)) {
		std::memmove(text->Chars(), chars, count * sizeof(wchar_t));
		Finish(text, count);
	} else {
		Text* fresh = NewText(count);
		std::memcpy(fresh->Chars(), chars, count * sizeof(wchar_t));
		Finish(fresh, count);
		Release(slot);
		slot = fresh;
	}
}

// Sets `slot` to narrow text, each byte a character of its own.
void AssignNarrow(void*& slot, const char* chars, size_t count)
{
	if (count == 0) {
		Release(slot);
		slot = nullptr;
		return;
	}
	// `chars` may be this string's own ASCII copy, which writing in place
	// would drop before it is read: then the text is made anew.
	Text* current = TextOf(slot);
	std::less<const char*> before;
	bool ownCopy = current != nullptr && current->ascii != nullptr && !before(chars, current->ascii) &&
	               before(chars, current->ascii + current->length + 1);
	Text* text = ownCopy ? nullptr : Writable(slot, count);
	Text* fresh = text == nullptr ? NewText(count) : nullptr;
	Text* target = fresh ? fresh : text;
	for (size_t i = 0; i < count; ++i) {
		target->Chars()[i] = static_cast<wchar_t>(static_cast<unsigned char>(chars[i]));
	}
	Finish(target, count);
	if (fresh) {
		Release(slot); // only now: `chars` was read from it
		slot = fresh;
	}
}

// Appends `count` characters at `chars`, which may lie in its own text.
void Append(void*& slot, const wchar_t* chars, size_t count)
{
	if (count == 0) {
		return;
	}
	size_t length = View(slot).size();
	if (count > kMaxLength - length) {
		throw std::bad_alloc();
	}
	if (Text* text = Writable(slot, length + count)) {
		std::memmove(text->Chars() + length, chars, count * sizeof(wchar_t));
		Finish(text, length + count);
		return;
	}
	// Room to grow: a string built up piece by piece copies itself rarely.
	Text* fresh = NewText(std::min(kMaxLength, std::max(length + count, 2 * length)));
	if (length != 0) { // an empty text has no characters to point at
		std::memcpy(fresh->Chars(), View(slot).data(), length * sizeof(wchar_t));
	}
	std::memcpy(fresh->Chars() + length, chars, count * sizeof(wchar_t));
	Finish(fresh, length + count);
	Release(slot);
	slot = fresh;
}

size_t Measure(const wchar_t* text)
{
	return text ? std::char_traits<wchar_t>::length(text) : 0;
}

size_t Measure(const char* text)
{
	return text ? std::strlen(text) : 0;
}

bool EqualNoCase(std::wstring_view a, std::wstring_view b)
{
	if (a.size() != b.size()) {
		return false;
	}
	for (size_t i = 0; i < a.size(); ++i) {
		if (std::towlower(static_cast<wint_t>(a[i])) != std::towlower(static_cast<wint_t>(b[i]))) {
			return false;
		}
	}
	return true;
}

// Narrow text as the wide text CString makes of it.
bool EqualNarrow(std::wstring_view wide, const char* narrow)
{
	size_t length = Measure(narrow);
	if (length != wide.size()) {
		return false;
	}
	for (size_t i = 0; i < length; ++i) {
		if (wide[i] != static_cast<wchar_t>(static_cast<unsigned char>(narrow[i]))) {
			return false;
		}
	}
	return true;
}

} // namespace

CString::CString() : m_text(nullptr) {}

CString::CString(const CString& in_str) : m_text(in_str.m_text)
{
	Share(m_text);
}

CString::CString(const wchar_t* in_str) : m_text(nullptr)
{
	Assign(m_text, in_str, Measure(in_str));
}

CString::CString(const wchar_t* in_str, ULONG in_count) : m_text(nullptr)
{
	if (in_str) {
		Assign(m_text, in_str, in_count);
	}
}

CString::CString(const char* in_str) : m_text(nullptr)
{
	AssignNarrow(m_text, in_str, Measure(in_str));
}

CString::CString(const char* in_str, ULONG in_count) : m_text(nullptr)
{
	if (in_str) {
		AssignNarrow(m_text, in_str, in_count);
	}
}

CString::CString(const CValue& in_val) : m_text(nullptr)
{
	*this = in_val.GetAsText();
}

CString::~CString()
{
	Release(m_text);
}

const wchar_t* CString::GetWideString() const
{
	return m_text ? TextOf(m_text)->Chars() : L"";
}

const char* CString::GetAsciiString() const
{
	Text* text = TextOf(m_text);
	if (text == nullptr) {
		return "";
	}
	if (text->ascii == nullptr) {
		text->ascii = new char[text->length + 1];
		for (uint32_t i = 0; i < text->length; ++i) {
			wchar_t c = text->Chars()[i];
			text->ascii[i] = static_cast<unsigned long>(c) < 128 ? static_cast<char>(c) : '?';
		}
		text->ascii[text->length] = '\0';
	}
	return text->ascii;
}

CStatus CString::PutAsciiString(const char* in_str)
{
	*this = in_str;
	return CStatus::OK;
}

ULONG CString::Length() const
{
	return m_text ? TextOf(m_text)->length : 0;
}

bool CString::IsEmpty() const
{
	return Length() == 0;
}

void CString::Clear()
{
	Release(m_text);
	m_text = nullptr;
}

CString& CString::operator=(const CString& in_str)
{
	Share(in_str.m_text); // first: the two may share a text already
	Release(m_text);
	m_text = in_str.m_text;
	return *this;
}

CString& CString::operator=(const wchar_t* in_str)
{
	Assign(m_text, in_str, Measure(in_str));
	return *this;
}

CString& CString::operator=(const char* in_str)
{
	AssignNarrow(m_text, in_str, Measure(in_str));
	return *this;
}

bool CString::operator==(const CString& in_str) const
{
	return m_text == in_str.m_text || View(m_text) == View(in_str.m_text);
}

bool CString::operator==(const wchar_t* in_str) const
{
	// Walks both texts once, without measuring the literal first: most
	// comparisons against a name table fail on the first characters.
	const wchar_t* other = in_str ? in_str : L"";
	std::wstring_view text = View(m_text);
	for (size_t i = 0; i < text.size(); ++i) {
		// The literal ends at its first NUL, even where this text holds one.
		if (other[i] != text[i] || other[i] == L'\0') {
			return false;
		}
	}
	return other[text.size()] == L'\0';
}

bool CString::operator==(const char* in_str) const
{
	return EqualNarrow(View(m_text), in_str);
}

bool CString::operator!=(const CString& in_str) const
{
	return !(*this == in_str);
}

bool CString::operator!=(const wchar_t* in_str) const
{
	return !(*this == in_str);
}

bool CString::operator!=(const char* in_str) const
{
	return !(*this == in_str);
}

bool CString::IsEqualNoCase(const CString& in_str) const
{
	return EqualNoCase(View(m_text), View(in_str.m_text));
}

bool CString::IsEqualNoCase(const wchar_t* in_str) const
{
	return EqualNoCase(View(m_text), std::wstring_view(in_str ? in_str : L""));
}

bool CString::IsEqualNoCase(const char* in_str) const
{
	return IsEqualNoCase(CString(in_str));
}

CString& CString::operator+=(const CString& in_str)
{
	std::wstring_view added = View(in_str.m_text);
	Append(m_text, added.data(), added.size());
	return *this;
}

CString& CString::operator+=(const wchar_t* in_str)
{
	Append(m_text, in_str, Measure(in_str));
	return *this;
}

CString& CString::operator+=(const char* in_str)
{
	return *this += CString(in_str);
}

CString& CString::operator+=(const wchar_t in_char)
{
	Append(m_text, &in_char, 1);
	return *this;
}

CString& CString::operator+=(const char in_char)
{
	wchar_t wide = static_cast<wchar_t>(static_cast<unsigned char>(in_char));
	Append(m_text, &wide, 1);
	return *this;
}

CString CString::operator+(const CString& in_str) const
{
	CString out(*this);
	return out += in_str;
}

CString CString::operator+(const wchar_t* in_str) const
{
	CString out(*this);
	return out += in_str;
}

CString CString::operator+(const char* in_str) const
{
	CString out(*this);
	return out += in_str;
}

CString CString::operator+(const wchar_t in_char) const
{
	CString out(*this);
	return out += in_char;
}

CString CString::operator+(const char in_char) const
{
	CString out(*this);
	return out += in_char;
}

wchar_t CString::operator[](ULONG in_index) const
{
	std::wstring_view text = View(m_text);
	host_engine::CheckIndex("CString::operator[]", in_index, static_cast<long long>(text.size()), "characters");
	return text[in_index];
}

bool CString::operator<(const CString& in_str) const
{
	return View(m_text) < View(in_str.m_text);
}

bool CString::operator>(const CString& in_str) const
{
	return in_str < *this;
}

ULONG CString::FindString(const CString& in_str, ULONG in_start) const
{
	// From the end itself finds only the empty text; from past it, nothing defined.
	host_engine::CheckIndex("CString::FindString", in_start, static_cast<long long>(Length()) + 1, "start places");
	size_t found = View(m_text).find(View(in_str.m_text), in_start);
	return found == std::wstring_view::npos ? static_cast<ULONG>(UINT_MAX) : static_cast<ULONG>(found);
}

CString CString::GetSubString(ULONG in_start, ULONG in_count) const
{
	std::wstring_view text = View(m_text);
	// A count past the end is the rest (the default count asks for it); a start past it is undefined.
	host_engine::CheckIndex("CString::GetSubString", in_start, static_cast<long long>(text.size()) + 1, "start places");
	std::wstring_view part = text.substr(in_start, in_count);
	return CString(part.data(), static_cast<ULONG>(part.size()));
}

CStringArray CString::Split(const CString& in_separator) const
{
	CStringArray parts;
	std::wstring_view text = View(m_text);
	std::wstring_view separator = View(in_separator.m_text);
	if (separator.empty()) {
		parts.Add(*this);
		return parts;
	}
	size_t start = 0;
	for (;;) {
		size_t found = text.find(separator, start);
		std::wstring_view part = text.substr(start, found == std::wstring_view::npos ? found : found - start);
		if (!part.empty()) {
			parts.Add(CString(part.data(), static_cast<ULONG>(part.size())));
		}
		if (found == std::wstring_view::npos) {
			break;
		}
		start = found + separator.size();
	}
	return parts;
}

CString operator+(const wchar_t* in_left, const CString& in_right)
{
	return CString(in_left) + in_right;
}

CString operator+(const wchar_t in_left, const CString& in_right)
{
	return CString(&in_left, 1) + in_right;
}

CString operator+(const char* in_left, const CString& in_right)
{
	return CString(in_left) + in_right;
}

CString operator+(const char in_left, const CString& in_right)
{
	return CString(&in_left, 1) + in_right;
}

// m_items leads to a block: the count, then the items.
using Items = CountedItems<CString>;

CStringArray::CStringArray(LONG in_size) : m_items(nullptr)
{
	Resize(in_size);
}

CStringArray::CStringArray(const CStringArray& in_array) : m_items(Items::Copy(in_array.m_items)) {}

CStringArray::~CStringArray()
{
	Items::Release(m_items);
}

CStringArray& CStringArray::operator=(const CStringArray& in_array)
{
	if (this != &in_array) {
		Items::Assign(m_items, in_array.m_items);
	}
	return *this;
}

LONG CStringArray::GetCount() const
{
	return Items::Count(m_items);
}

CStatus CStringArray::Add(const CString& in_item)
{
	Items::Add(m_items, in_item);
	return CStatus::OK;
}

CStatus CStringArray::Clear()
{
	return Resize(0);
}

CStatus CStringArray::Resize(LONG in_size)
{
	return Items::Resize(m_items, in_size);
}

const CString& CStringArray::operator[](LONG in_index) const
{
	host_engine::CheckIndex("CStringArray::operator[]", in_index, GetCount(), "items");
	return *Items::At(m_items, in_index);
}

CString& CStringArray::operator[](LONG in_index)
{
	host_engine::CheckIndex("CStringArray::operator[]", in_index, GetCount(), "items");
	return *Items::At(m_items, in_index);
}

bool CStringArray::operator==(const CStringArray& in_array) const
{
	return Items::Equal(m_items, in_array.m_items);
}

bool CStringArray::operator!=(const CStringArray& in_array) const
{
	return !(*this == in_array);
}

} // namespace XSI
