// The rule for a page answered from a script: the whole script or none of it.
#ifndef HOST_ENGINE_WHOLE_SCRIPT_DRIVER_H
#define HOST_ENGINE_WHOLE_SCRIPT_DRIVER_H

#include "engine/property_page.h"
#include "engine/recording_page_driver.h"

#include <cstddef>

namespace host_engine {

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

} // namespace host_engine

#endif
