// The option page's answers in a run: from --page, or from standard input.
#include "page_driver_choice.h"

#include "base/program_errors.h"
#include "page/page_step_driver.h"
#include "page/page_steps.h"
#include "page/standard_input_page.h"

#include <string>

namespace quillmere_host {

std::unique_ptr<host_engine::RecordingPageDriver> ChoosePageDriver(const Options& options)
{
	if (options.pageGiven) {
		return std::unique_ptr<host_engine::RecordingPageDriver>(new PageStepDriver(ParsePageSteps(options.page)));
	}
	return StandardInputPageDriver(options.scene);
}

void ThrowIfRefused(const host_engine::RecordingPageDriver& driver)
{
	std::string refusal = driver.RefusalLine();
	if (!refusal.empty()) {
		throw InputError(refusal);
	}
}

} // namespace quillmere_host
