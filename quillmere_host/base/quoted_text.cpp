#include "base/quoted_text.h"

#include "base/text_encoding.h"

namespace quillmere_host {

namespace {

// A cut text keeps more of its beginning, where names differ most, and its
// end, where a path names its file.
const size_t kTailCharacters = 50;
const size_t kHeadCharacters = kShownCharacters - kTailCharacters - 1;
const char* const kEllipsis = "\xe2\x80\xa6";

// The characters of `text`, each with its place and how a message shows it.
class ShownCharacters
{
public:
	explicit ShownCharacters(std::string_view text) : m_text(text) {}

	bool Next()
	{
		m_at += m_length;
		if (m_at >= m_text.size()) {
			return false;
		}
		m_length = DecodeUtf8(m_text, m_at, &m_code);
		m_shown.clear();
		AppendForMessage(m_shown, m_text, m_at, m_length, m_code);
		return true;
	}
	// How many characters the message gives this one (an escape is several).
	size_t Width() const { return m_shown.size() == m_length ? 1 : m_shown.size(); }
	const std::string& Shown() const { return m_shown; }

private:
	std::string_view m_text;
	size_t m_at = 0;
	size_t m_length = 0;
	char32_t m_code = 0;
	std::string m_shown;
};

std::string Shorten(std::string_view text, const char* quote)
{
	size_t characters = 0;
	size_t width = 0;
	for (ShownCharacters each(text); each.Next();) {
		++characters;
		width += each.Width();
	}
	std::string out = quote;
	if (width <= kShownCharacters) {
		for (ShownCharacters each(text); each.Next();) {
			out += each.Shown();
		}
		return out + quote;
	}
	size_t before = 0;
	bool inHead = true;
	for (ShownCharacters each(text); each.Next();) {
		if (inHead && before + each.Width() > kHeadCharacters) {
			inHead = false;
			out += kEllipsis;
		}
		if (inHead || width - before <= kTailCharacters) {
			out += each.Shown();
		}
		before += each.Width();
	}
	return out + quote + " (" + std::to_string(characters) + " characters)";
}

} // namespace

std::string Excerpt(std::string_view text)
{
	return Shorten(text, "");
}

std::string Quoted(std::string_view text)
{
	return Shorten(text, "\"");
}

} // namespace quillmere_host
