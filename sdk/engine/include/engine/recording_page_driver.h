// The page driver that records what each page it answers showed, whoever
// gives the answers: a script in tests, the terminal or piped answers in the
// host program.
#ifndef HOST_ENGINE_RECORDING_PAGE_DRIVER_H
#define HOST_ENGINE_RECORDING_PAGE_DRIVER_H

#include "engine/page_layout.h"
#include "engine/property_page.h"

#include <string>
#include <utility>
#include <vector>

namespace host_engine {

// A page's boolean parameters, in the property's order.
using PageValues = std::vector<std::pair<std::wstring, bool>>;

// What the last page showed, and how often one was shown.
struct PageRecord {
	int timesShown = 0;
	bool confirmed = false;
	std::wstring title;
	std::wstring propertyFullName;
	std::vector<LayoutItem> layout;
	PageValues openValues;  // as it opened
	PageValues closeValues; // as it closed
	double seconds = 0;     // how long pages were open, answering included
};

// Records every page it answers; subclasses give the answers.
class RecordingPageDriver : public PageDriver
{
public:
	PageAnswer Run(PropertyPage& page) final;
	const PageRecord& Record() const { return m_record; }

	// Why the answers given were refused (a step the page could not take),
	// as one line of UTF-8 text; empty when none was.
	virtual std::string RefusalLine() const { return std::string(); }
	// Why a page no one answered was cancelled (input that ended before OK
	// or Cancel), as one line of UTF-8 text; empty otherwise.
	virtual std::string UnansweredNote() const { return std::string(); }

protected:
	virtual PageAnswer Respond(PropertyPage& page) = 0;

private:
	PageRecord m_record;
};

} // namespace host_engine

#endif
