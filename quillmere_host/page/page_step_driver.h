// The page answered with the --page steps.
#ifndef QUILLMERE_HOST_PAGE_STEP_DRIVER_H
#define QUILLMERE_HOST_PAGE_STEP_DRIVER_H

#include "page/page_steps.h"
#include "page/page_vocabulary.h"

#include "engine/whole_script_driver.h"

#include <memory>
#include <string>
#include <vector>

namespace quillmere_host {

// Takes the steps in order, each looked up in the page's own words when it
// opens (a label's words joined into one step, PageVocabulary::Grouped). A
// step the page can't take refuses the whole script (WholeScriptDriver):
// Refused() says which step and why.
class PageStepDriver : public host_engine::WholeScriptDriver
{
public:
	explicit PageStepDriver(std::vector<PageStep> steps) : m_steps(std::move(steps)) {}

	// The first step the page could not take, or nullptr.
	const StepRefusal* Refused() const { return m_refusal.get(); }
	// That step as DescribeRefusal gives it; empty when the page took them all.
	std::string RefusalLine() const override;

protected:
	size_t StepCount(host_engine::PropertyPage& page) override;
	bool Check(host_engine::PropertyPage& page, size_t step) override;
	bool Apply(host_engine::PropertyPage& page, size_t step, host_engine::PageAnswer* answer) override;
	// Steps that don't close the page: none from ParsePageSteps.
	host_engine::PageAnswer AnswerAfterSteps() const override { return host_engine::PageAnswer::Cancel; }

private:
	std::vector<PageStep> m_steps;
	// The open page's words, its steps in them, and what each does there.
	std::unique_ptr<PageVocabulary> m_words;
	std::vector<PageStep> m_grouped;
	std::vector<PageAction> m_actions;
	std::unique_ptr<StepRefusal> m_refusal;
};

} // namespace quillmere_host

#endif
