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
	bool undone = false;   // --undo was asked for and done
	bool restored = false; // and the scene then equalled the one loaded
};

std::string TextReport(const RunRecord& run, const host_core::Host& host);

// One JSON object: "page", "deleted", "failed_deletes", "log", "status",
// and "undo" after --undo.
std::string JsonReport(const RunRecord& run, const host_core::Host& host);

} // namespace quillmere_host

#endif
