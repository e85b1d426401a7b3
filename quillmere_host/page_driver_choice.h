// Who answers the option page in a run, and what a refusal of those answers is.
#ifndef QUILLMERE_HOST_PAGE_DRIVER_CHOICE_H
#define QUILLMERE_HOST_PAGE_DRIVER_CHOICE_H

#include "command_line.h"

#include "engine/recording_page_driver.h"

#include <memory>

namespace quillmere_host {

// The --page steps when given (an InputError when they don't parse), else
// whoever standard input brings (StandardInputPageDriver).
std::unique_ptr<host_engine::RecordingPageDriver> ChoosePageDriver(const Options& options);

// An InputError when `driver` refused the answers it was given (a --page
// step or a piped line the page could not take), saying where and why.
void ThrowIfRefused(const host_engine::RecordingPageDriver& driver);

} // namespace quillmere_host

#endif
