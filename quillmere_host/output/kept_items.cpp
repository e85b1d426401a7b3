#include "output/kept_items.h"

#include "engine/class_info.h"
#include "engine/scene_visit.h"

#include <algorithm>

namespace quillmere_host {

namespace {

bool Holds(const std::vector<uint32_t>& sorted, uint32_t slot)
{
	return !sorted.empty() && std::binary_search(sorted.begin(), sorted.end(), slot);
}

} // namespace

KeptItems::KeptItems(const host_engine::Host& host, const RunRecord& run, PageOptions& options)
    : m_host(host), m_options(options), m_shown(run.page.timesShown > 0), m_confirmed(run.page.confirmed),
      m_succeeded(run.status == 0)
{
	for (const host_engine::DeleteRecord& record : host.History().Records()) {
		if (!record.removed && record.slot != host_engine::kNoSlot) {
			m_failed.push_back(record.slot);
		} else if (record.removed && run.undone) {
			m_removed.push_back(record.slot);
		}
	}
	std::sort(m_failed.begin(), m_failed.end());
	std::sort(m_removed.begin(), m_removed.end());
}

void KeptItems::ForEach(const std::function<void(const KeptItem&)>& each)
{
	const host_engine::ObjectTable& objects = m_host.Scene().Objects();
	const host_engine::NameTable& names = objects.Names();
	KeptItem item;
	for (const host_engine::Handle& selected : m_host.Scene().SelectedObjects()) {
		item.owner = selected.slot;
		if (!host_engine::IsInFamily(objects.At(item.owner).classId, host_engine::Family::Objects3D,
		                             m_host.Readings()) ||
		    Holds(m_removed, item.owner)) {
			continue;
		}
		host_engine::PartHolders holders = host_engine::PartHoldersOf(objects, item.owner);
		for (XSI::siClassID partClass : {XSI::siConstraintID, XSI::siOperatorID}) {
			uint32_t holder = partClass == XSI::siConstraintID ? holders.constraints : holders.operators;
			if (holder == host_engine::kNoSlot) {
				continue;
			}
			for (uint32_t c = objects.At(holder).firstChild; c != host_engine::kNoSlot; c = objects.At(c).nextSibling) {
				const host_engine::Node& node = objects.At(c);
				if (node.classId != partClass || Holds(m_removed, c)) {
					continue;
				}
				item.slot = c;
				item.option = m_options.OptionOf(node.nameId, names);
				bool isOperator = partClass == XSI::siOperatorID;
				if (isOperator && item.option == PageOptions::kNone) {
					continue;
				}
				item.reason = ReasonFor(item.owner, c, isOperator, item.option);
				each(item);
			}
		}
	}
}

KeptReason KeptItems::ReasonFor(uint32_t owner, uint32_t slot, bool isOperator, size_t option)
{
	if (Holds(m_failed, slot)) {
		return KeptReason::DeleteFailed;
	}
	if (!m_shown) {
		return KeptReason::NoPage;
	}
	if (!m_confirmed) {
		return KeptReason::PageCancelled;
	}
	if (!m_succeeded) {
		return KeptReason::CommandFailed;
	}
	if (option == PageOptions::kNone) {
		return KeptReason::NoMatchingKind;
	}
	if (!m_options[option].on) {
		return KeptReason::KindOff;
	}
	if (isOperator && m_host.Scene().Objects().At(owner).classId != XSI::siChainBoneID) {
		return KeptReason::NotAChainBone;
	}
	if (isOperator && BoneLostOne(owner, option)) {
		return KeptReason::OnePerBone;
	}
	return TakenAnywhere(m_host.Scene().Objects().At(slot).nameId, option) ? KeptReason::NotTaken
	                                                                       : KeptReason::NearMiss;
}

const std::vector<uint32_t>& KeptItems::TakenUnder(size_t option)
{
	FindTaken();
	return m_taken[option];
}

bool KeptItems::TakenAnywhere(uint32_t nameId, size_t option)
{
	const std::vector<uint32_t>& taken = TakenUnder(option);
	return std::find(taken.begin(), taken.end(), nameId) != taken.end();
}

bool KeptItems::BoneLostOne(uint32_t owner, size_t option)
{
	FindBonesThatLostOne();
	uint64_t key = static_cast<uint64_t>(option) << 32 | owner;
	return std::binary_search(m_bonesThatLostOne.begin(), m_bonesThatLostOne.end(), key);
}

void KeptItems::FindTaken()
{
	if (m_takenFound) {
		return;
	}
	m_takenFound = true;
	m_taken.assign(m_options.Options().size(), std::vector<uint32_t>());
	const host_engine::NameTable& names = m_host.Scene().Objects().Names();
	// A run deletes a handful of names a million times: each is looked at once.
	std::vector<bool> seen;
	for (const host_engine::DeleteRecord& record : m_host.History().Records()) {
		if (!record.removed || record.temporary || (record.nameId < seen.size() && seen[record.nameId])) {
			continue;
		}
		if (record.nameId >= seen.size()) {
			seen.resize(static_cast<size_t>(record.nameId) + 1);
		}
		seen[record.nameId] = true;
		size_t option = m_options.OptionOf(record.nameId, names);
		if (option != PageOptions::kNone) {
			m_taken[option].push_back(record.nameId);
		}
	}
}

void KeptItems::FindBonesThatLostOne()
{
	if (m_bonesFound) {
		return;
	}
	m_bonesFound = true;
	const host_engine::NameTable& names = m_host.Scene().Objects().Names();
	for (const host_engine::DeleteRecord& record : m_host.History().Records()) {
		if (!record.removed || record.classId != XSI::siOperatorID) {
			continue;
		}
		size_t option = m_options.OptionOf(record.nameId, names);
		if (option != PageOptions::kNone) {
			m_bonesThatLostOne.push_back(static_cast<uint64_t>(option) << 32 | record.ownerSlot);
		}
	}
	std::sort(m_bonesThatLostOne.begin(), m_bonesThatLostOne.end());
}

} // namespace quillmere_host
