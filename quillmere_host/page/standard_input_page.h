// Who answers the option page when --page doesn't: the user at the terminal
// standard input is, or the answers standard input carries.
#ifndef QUILLMERE_HOST_STANDARD_INPUT_PAGE_H
#define QUILLMERE_HOST_STANDARD_INPUT_PAGE_H

#include "engine/recording_page_driver.h"

#include <memory>
#include <string>

namespace quillmere_host {

// Standard input a terminal: the page on that terminal (full screen, or line
// by line), whatever standard output and error are. Otherwise the answers
// it carries (PipedAnswersDriver). A page no one can answer (a terminal that
// can't be opened, or standard input that is the scene file itself,
// `--scene /dev/stdin`) is cancelled, with a line on standard error.
std::unique_ptr<host_engine::RecordingPageDriver> StandardInputPageDriver(const std::string& scenePath);

} // namespace quillmere_host

#endif
