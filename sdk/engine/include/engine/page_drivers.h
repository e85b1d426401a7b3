// Page drivers that answer modal pages on the user's behalf and record what
// each page showed: from a script, in tests and in the host program, or by
// any other means a subclass has (the program's terminal).
#ifndef HOST_ENGINE_PAGE_DRIVERS_H
#define HOST_ENGINE_PAGE_DRIVERS_H

#include "engine/page_layout.h"
#include "engine/property_page.h"

#include <functional>
#include <memory>
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

protected:
	virtual PageAnswer Respond(PropertyPage& page) = 0;

private:
	PageRecord m_record;
};

// Answers from a script taken whole or not at all: every step is checked
// against the page before any is applied, since a typo must not leave half
// the answers given. A step the page can't take cancels the page (the
// subclass keeps why); otherwise the steps are applied in order until one
// closes the page.
class WholeScriptDriver : public RecordingPageDriver
{
protected:
	// Readies the script for `page` (read in the page's own words, say): how
	// many steps it has there.
	virtual size_t StepCount(PropertyPage& page) = 0;
	// Whether `page` can take step `step`; when not, the subclass keeps why.
	virtual bool Check(PropertyPage& page, size_t step) = 0;
	// Does step `step`: true when it closes the page, `*answer` saying how.
	virtual bool Apply(PropertyPage& page, size_t step, PageAnswer* answer) = 0;
	// The answer once every step ran and none closed the page.
	virtual PageAnswer AnswerAfterSteps() const = 0;

private:
	PageAnswer Respond(PropertyPage& page) final;
};

// Answers from a script: clicks, values set, steps of the caller's own, then
// OK (the default) or Cancel. A click or a value for something the page
// lacks refuses the whole script: Refused() says why.
class ScriptedPageDriver : public WholeScriptDriver
{
public:
	using Step = std::function<void(PropertyPage&)>;

	struct Refusal {
		size_t step;          // the script's step, counted from 0
		bool button;          // a button, else a parameter
		std::wstring name;    // as the script named it
		std::wstring nearest; // one the page has, differing only in case; or empty
	};

	ScriptedPageDriver& Click(const std::wstring& button);
	ScriptedPageDriver& Set(const std::wstring& parameter, bool value);
	ScriptedPageDriver& Do(Step step);
	ScriptedPageDriver& Answer(PageAnswer answer);

	// The first step the page could not take, or nullptr.
	const Refusal* Refused() const { return m_refusal.get(); }

protected:
	size_t StepCount(PropertyPage& page) override;
	bool Check(PropertyPage& page, size_t step) override;
	bool Apply(PropertyPage& page, size_t step, PageAnswer* answer) override;
	PageAnswer AnswerAfterSteps() const override { return m_answer; }

private:
	struct ScriptStep {
		enum Kind { Click, Set, Do } kind;
		std::wstring name;
		bool value;
		Step run;
	};

	std::vector<ScriptStep> m_steps;
	PageAnswer m_answer = PageAnswer::OK;
	std::unique_ptr<Refusal> m_refusal;
};

} // namespace host_engine

#endif
