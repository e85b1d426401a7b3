// The option page's options, and which of them a constraint's or operator's
// name is of. The program knows no plug-in's names: it goes by what the page
// showed the user, its items' labels, compared word by word.
#ifndef QUILLMERE_HOST_PAGE_OPTIONS_H
#define QUILLMERE_HOST_PAGE_OPTIONS_H

#include "engine/object_table.h"
#include "engine/recording_page_driver.h"
#include "engine/page_layout.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillmere_host {

// The words of a text, in lower case: runs of letters and digits, split
// where a lower-case letter or a digit meets an upper-case letter, so that
// "SkeletonUpVectorOp" is skeleton, up, vector, op and "position_cns" is
// position, cns. Characters past ASCII are letters, taken as they are.
std::vector<std::wstring> WordsOf(std::wstring_view text);

struct PageOption {
	std::wstring parameter;          // the parameter the item shows
	std::wstring label;              // as the page shows it (the parameter's name when it has no label)
	bool on = false;                 // as the page closed
	std::vector<std::wstring> words; // the label's, each once
};

class PageOptions
{
public:
	static constexpr size_t kNone = static_cast<size_t>(-1);

	// The page's items in its order, each with its value in `values`.
	PageOptions(const std::vector<host_engine::LayoutItem>& layout, const host_engine::PageValues& values);

	const std::vector<PageOption>& Options() const { return m_options; }
	const PageOption& operator[](size_t option) const { return m_options[option]; }

	// The option whose label's words `name` holds the most of, holding more
	// than half of them ("Position Cns" and "position cns" are Position's,
	// "SkeletonUpVectorOp" is Chain Up Vector's), the first in the page's
	// order of those holding as many; kNone when no label qualifies.
	size_t OptionOf(std::wstring_view name) const;
	// The same for a name in the host's table, remembered by its id: a scene
	// repeats a handful of names a million times.
	size_t OptionOf(uint32_t nameId, const host_engine::NameTable& names);

private:
	std::vector<PageOption> m_options;
	// OptionOf by name id, small: ids run to the scene's object count.
	std::vector<int16_t> m_byNameId;
};

} // namespace quillmere_host

#endif
