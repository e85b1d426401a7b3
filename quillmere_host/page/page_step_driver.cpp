#include "page/page_step_driver.h"

#include "page/page_vocabulary.h"

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
			problem += words.Offered();
			m_refusal.reset(new StepRefusal{steps[i].column, problem});
			return host_engine::PageAnswer::Cancel;
		}
	}
	host_engine::PageAnswer answer = host_engine::PageAnswer::Cancel;
	// Steps that don't close the page: none from ParsePageSteps.
	ApplyUntilClosed(actions, page, &answer);
	return answer;
}

} // namespace quillmere_host
