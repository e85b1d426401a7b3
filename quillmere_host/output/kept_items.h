// What stayed on the selected 3D objects after a run, and why, as far as
// the host can tell: from the scene, the page as it closed and the
// DeleteObj calls the command made.
#ifndef QUILLMERE_HOST_KEPT_ITEMS_H
#define QUILLMERE_HOST_KEPT_ITEMS_H

#include "output/page_options.h"
#include "output/run_record.h"

#include "engine/host.h"

#include <cstdint>
#include <functional>
#include <vector>

namespace quillmere_host {

// Why an item stayed, the first that holds, in this order.
enum class KeptReason {
	DeleteFailed,  // a DeleteObj asked for it and failed
	NoPage,        // the command showed no option page
	PageCancelled, // the page was cancelled: nothing was asked for
	CommandFailed, // the command failed: it may not have come to it
	KindOff,       // its option was off on the page
	NotAChainBone, // an operator whose option was on, on an object that is no chain bone
	OnePerBone,    // an operator whose option was on, on a bone that lost another of that option
	NearMiss,      // its option was on, and the command took no item of its name
	NotTaken,      // its option was on, and the command took others of its name, not this one
	NoMatchingKind // its name is of no option on the page
};
const size_t kKeptReasons = static_cast<size_t>(KeptReason::NoMatchingKind) + 1;

struct KeptItem {
	uint32_t owner = host_engine::kNoSlot; // the selected 3D object
	uint32_t slot = host_engine::kNoSlot;  // the constraint or operator
	KeptReason reason = KeptReason::NoMatchingKind;
	size_t option = PageOptions::kNone; // the option its name is of
};

class KeptItems
{
public:
	KeptItems(const host_engine::Host& host, const RunRecord& run, PageOptions& options);

	// Each item that stayed, object by object in the order they were
	// selected, the constraints of each (all of them) before its operators
	// (those whose name is of an option: an operator of no kind is none of
	// the command's business), each in the host's order.
	void ForEach(const std::function<void(const KeptItem&)>& each);

	// The names the command deleted under `option`, each once, in the order
	// first deleted: what a near miss missed.
	const std::vector<uint32_t>& TakenUnder(size_t option);

private:
	KeptReason ReasonFor(uint32_t owner, uint32_t slot, bool isOperator, size_t option);
	bool TakenAnywhere(uint32_t nameId, size_t option);
	bool BoneLostOne(uint32_t owner, size_t option);
	void FindTaken();
	void FindBonesThatLostOne();

	const host_engine::Host& m_host;
	PageOptions& m_options;
	bool m_shown;
	bool m_confirmed;
	bool m_succeeded;
	std::vector<uint32_t> m_failed;  // slots whose DeleteObj failed, sorted
	std::vector<uint32_t> m_removed; // slots the run removed, sorted; only after an undo put them back
	// Found when first needed: most runs keep nothing whose option was on.
	bool m_takenFound = false;
	std::vector<std::vector<uint32_t>> m_taken; // by option
	bool m_bonesFound = false;
	std::vector<uint64_t> m_bonesThatLostOne; // (option << 32 | owner slot), sorted
};

} // namespace quillmere_host

#endif
