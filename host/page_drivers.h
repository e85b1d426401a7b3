// How the program answers the option page: from --page steps, in the
// terminal, or by confirming it as it opened.
#ifndef QUILLMERE_HOST_PAGE_DRIVERS_H
#define QUILLMERE_HOST_PAGE_DRIVERS_H

#include "page_steps.h"
#include "page_view.h"

#include "core/property_page.h"

#include <iosfwd>
#include <string>
#include <utility>
#include <vector>

namespace quillmere_host {

// What the page showed when it closed.
struct PageOutcome {
	bool shown = false;
	bool confirmed = false;
	PageSnapshot snapshot;
	// Parameter values in the property's order, as the report lists them.
	std::vector<std::pair<std::wstring, bool>> values;
	// How long the page was open, answering included.
	double seconds = 0;
};

// Records how every page it answers closed; subclasses give the answers.
class RecordingPageDriver : public host_core::PageDriver
{
public:
	host_core::PageAnswer Run(host_core::PropertyPage& page) final;
	const PageOutcome& Outcome() const { return m_outcome; }

protected:
	virtual host_core::PageAnswer Answer(host_core::PropertyPage& page) = 0;

private:
	PageOutcome m_outcome;
};

PageSnapshot Snapshot(host_core::PropertyPage& page);

// Confirms the page as it opened.
class ConfirmingPageDriver : public RecordingPageDriver
{
protected:
	host_core::PageAnswer Answer(host_core::PropertyPage&) override { return host_core::PageAnswer::OK; }
};

// Runs --page steps. A step that names no button or parameter of the page
// cancels the page and is kept as an error for the program to report.
class ScriptedPageDriver : public RecordingPageDriver
{
public:
	explicit ScriptedPageDriver(std::vector<PageStep> steps) : m_steps(std::move(steps)) {}
	const std::string& Error() const { return m_error; }

protected:
	host_core::PageAnswer Answer(host_core::PropertyPage& page) override;

private:
	std::vector<PageStep> m_steps;
	std::string m_error;
};

// Asks the user: an item's number flips it, a button's label or script name
// clicks it, "ok" or "cancel" closes the page; end of input cancels.
class TerminalPageDriver : public RecordingPageDriver
{
public:
	TerminalPageDriver(std::istream& in, std::ostream& out) : m_in(in), m_out(out) {}

protected:
	host_core::PageAnswer Answer(host_core::PropertyPage& page) override;

private:
	std::istream& m_in;
	std::ostream& m_out;
};

} // namespace quillmere_host

#endif
