// What a run did, for a person (text) or a program (JSON), written as it is
// made: a million deletions are never held as one string.
#ifndef QUILLMERE_HOST_RUN_REPORT_H
#define QUILLMERE_HOST_RUN_REPORT_H

#include "base/output_buffer.h"
#include "output/run_record.h"

#include "engine/host.h"

namespace quillmere_host {

// How many objects the text report lists on a terminal: a screenful, not a
// million lines.
const size_t kObjectsListedOnATerminal = 100;

// The text report; the per-object lists (what was deleted, what was kept)
// stop after `objectLimit` objects, with a line saying how many more there are.
void WriteTextReport(const RunRecord& run, const host_engine::Host& host, OutputBuffer& out,
                     size_t objectLimit = static_cast<size_t>(-1));

// One JSON object: "page", "deleted", "failed_deletes", "kept", "log", "status",
// "readings" under other than the default readings, "undo" after --undo and
// "calls" after --trace.
void WriteJsonReport(const RunRecord& run, const host_engine::Host& host, OutputBuffer& out);

} // namespace quillmere_host

#endif
