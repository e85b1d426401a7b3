// What a run did, for a person (text) or a program (JSON).
#ifndef QUILLMERE_HOST_RUN_REPORT_H
#define QUILLMERE_HOST_RUN_REPORT_H

#include "page_drivers.h"

#include "core/host.h"

#include <string>

namespace quillmere_host {

struct RunRecord {
	PageOutcome page;
	long long status = 0;
};

std::string TextReport(const RunRecord& run, const host_core::Host& host);

// One JSON object: "page", "deleted", "failed_deletes", "log", "status".
std::string JsonReport(const RunRecord& run, const host_core::Host& host);

} // namespace quillmere_host

#endif
