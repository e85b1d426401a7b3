#include "page_step_driver.h"

#include "page_vocabulary.h"

namespace quillmere_host {

host_engine::PageAnswer PageStepDriver::Respond(host_engine::PropertyPage& page)
{
	PageVocabulary words(page);
	std::vector<PageStep> steps = words.Grouped(m_steps);
	std::vector<PageAction> actions(steps.size());
	for (size_t i = 0; i < steps.size(); ++i) {
		std::string problem;
		if (!words.Resolve(steps[i], &actions[i], &problem)) {
			// No help to ask for here: the message says what the page has.
			problem += " (options: " + words.Listing(false) + "; buttons: " + words.Listing(true) + ")";
			m_refusal.reset(new StepRefusal{steps[i].column, problem});
			return host_engine::PageAnswer::Cancel;
		}
	}
	for (const PageAction& action : actions) {
		if (action.kind == PageAction::Ok || action.kind == PageAction::Cancel) {
			return action.kind == PageAction::Ok ? host_engine::PageAnswer::OK : host_engine::PageAnswer::Cancel;
		}
		Apply(action, page);
	}
	return host_engine::PageAnswer::Cancel; // steps that don't close the page: none from ParsePageSteps
}

} // namespace quillmere_host
