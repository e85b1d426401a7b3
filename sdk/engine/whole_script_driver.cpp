// A page script checked step by step against the page before any step is applied.
#include "engine/whole_script_driver.h"

namespace host_engine {

PageAnswer WholeScriptDriver::Respond(PropertyPage& page)
{
	size_t count = StepCount(page);
	for (size_t step = 0; step < count; ++step) {
		if (!Check(page, step)) {
			return PageAnswer::Cancel;
		}
	}
	for (size_t step = 0; step < count; ++step) {
		PageAnswer answer = PageAnswer::Cancel;
		if (Apply(page, step, &answer)) {
			return answer;
		}
	}
	return AnswerAfterSteps();
}

} // namespace host_engine
