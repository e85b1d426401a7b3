// What a run did, for a person (text) or a program (JSON), written as it is
// made: a million deletions are never held as one string.
#ifndef QUILLMERE_HOST_RUN_REPORT_H
#define QUILLMERE_HOST_RUN_REPORT_H

#include "base/output_buffer.h"

#include "engine/host.h"
#include "engine/recording_page_driver.h"

#include <string>

namespace quillmere_host {

// What the report says of a run, the run's page as the page itself shows it
// included: the report draws no page of its own.
struct RunRecord {
	host_engine::PageRecord page;
	std::string pageDrawn;              // the page as it closed, drawn as text, when it was shown
	host_engine::PageValues pageValues; // its values as it closed, in the order it shows them
	long long status = 0;
	bool undone = false;   // --undo was asked for and done
	bool restored = false; // and the scene then equalled the one loaded
	bool traced = false;   // the host kept a journal of the plug-in's calls
	std::string readings;  // the host readings taken, when not the defaults
};

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
