// What a run did that the host's own records do not hold: its page as the
// page showed it, its status, its undo. The report and the kept section read it.
#ifndef QUILLMERE_HOST_RUN_RECORD_H
#define QUILLMERE_HOST_RUN_RECORD_H

#include "engine/recording_page_driver.h"

#include <string>

namespace quillmere_host {

// The run's page as the page itself shows it included: the report draws no
// page of its own.
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

} // namespace quillmere_host

#endif
