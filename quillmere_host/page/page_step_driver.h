// The page answered with the --page steps.
#ifndef QUILLMERE_HOST_PAGE_STEP_DRIVER_H
#define QUILLMERE_HOST_PAGE_STEP_DRIVER_H

#include "page/page_steps.h"

#include "engine/page_drivers.h"

#include <memory>
#include <vector>

namespace quillmere_host {

// Takes the steps in order, each looked up in the page's own words when it
// opens (a label's words joined into one step, PageVocabulary::Grouped). A step the page can't take refuses the whole
// script before any step runs (a typo must not leave half the answers given): the page is cancelled and Refused() says
// which step and why.
class PageStepDriver : public host_engine::RecordingPageDriver
{
public:
	explicit PageStepDriver(std::vector<PageStep> steps) : m_steps(std::move(steps)) {}

	// The first step the page could not take, or nullptr.
	const StepRefusal* Refused() const { return m_refusal.get(); }

protected:
	host_engine::PageAnswer Respond(host_engine::PropertyPage& page) override;

private:
	std::vector<PageStep> m_steps;
	std::unique_ptr<StepRefusal> m_refusal;
};

} // namespace quillmere_host

#endif
