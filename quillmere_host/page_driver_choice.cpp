// The option page's answers in a run: from --page, or from standard input.
#include "page_driver_choice.h"

#include "base/program_errors.h"
#include "page/page_step_driver.h"
#include "page/page_steps.h"
#include "page/piped_answers.h"
#include "page/standard_input_page.h"

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
	auto* stepped = dynamic_cast<const PageStepDriver*>(&driver);
	if (stepped != nullptr && stepped->Refused() != nullptr) {
		throw InputError(DescribeRefusal(*stepped->Refused()));
	}
	auto* piped = dynamic_cast<const PipedAnswersDriver*>(&driver);
	if (piped != nullptr && !piped->Refusal().empty()) {
		throw InputError(piped->Refusal());
	}
}

std::string UnansweredNote(const host_engine::RecordingPageDriver& driver)
{
	auto* piped = dynamic_cast<const PipedAnswersDriver*>(&driver);
	return piped != nullptr ? piped->EndNote() : std::string();
}

} // namespace quillmere_host
