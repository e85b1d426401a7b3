// DeleteObj, the host's built-in command: what it takes out of the scene, what it
// refuses, and the history record each call leaves.
#include "delete_obj.h"

#include "engine/host.h"
#include "engine/object_paths.h"
#include "engine/ref_handles.h"
#include "engine/undo_stack.h"

namespace host_engine {

namespace {

// The slot a target other than a reference names, or kNoSlot; `asked` gets
// the text for the history.
uint32_t ResolveTarget(Host& host, const XSI::CValue& target, std::wstring* asked)
{
	if (target.m_t == XSI::CValue::siString) {
		*asked = static_cast<XSI::CString>(target).GetWideString();
		return ResolvePath(host.Scene().Objects(), *asked);
	}
	return kNoSlot;
}

// The 3D object `slot` is or belongs to, if it may be deleted: only what
// hangs in the scene tree can go, and never the root itself. kNoSlot if not.
uint32_t DeletableOwner(Host& host, uint32_t slot)
{
	return (slot == kNoSlot || slot == host.Scene().RootSlot()) ? kNoSlot : host.Scene().Objects().Owning3DObject(slot);
}

// Deletes the object at `slot` (kNoSlot: nothing named), recording the
// call; `asked` is the text it was asked for by, if any.
XSI::CStatus DeleteOne(Host& host, uint32_t slot, const std::wstring& asked)
{
	ObjectTable& objects = host.Scene().Objects();
	DeleteRecord record;
	// Named as it is, whether it goes or is refused; a call that named no
	// object, by its text.
	if (slot != kNoSlot) {
		record.nameId = objects.At(slot).nameId;
		record.classId = objects.At(slot).classId;
	} else if (!asked.empty()) {
		record.nameId = objects.Names().Intern(asked);
	}
	bool injectedFault = slot != kNoSlot && host.Faults().failDelete && host.Faults().failDelete(slot);
	uint32_t owner = DeletableOwner(host, slot);
	if (owner != kNoSlot) {
		// The object it belonged to: the one found above, unless that is itself.
		record.ownerSlot = owner == slot ? objects.Owning3DObject(objects.At(slot).parent) : owner;
		record.ownerNameId = objects.At(record.ownerSlot).nameId;
		record.slot = slot;
	}
	if (owner == kNoSlot || injectedFault) {
		host.History().Add(record);
		return injectedFault ? XSI::CStatus::Fail : XSI::CStatus::InvalidArgument;
	}
	record.removed = true;
	record.temporary = host.UndoSteps().CreatedByThisRun(slot);
	host.History().Add(record);
	host.UndoSteps().DeleteUndoably(slot);
	return XSI::CStatus::OK;
}

// An argument that names no object.
bool NamesNothing(const XSI::CValue& target)
{
	return target.IsEmpty() || (target.m_t == XSI::CValue::siString && target.GetAsText().IsEmpty());
}

XSI::CStatus DeleteSelection(Host& host)
{
	std::vector<Handle> selected = host.Scene().SelectedObjects();
	if (selected.empty()) {
		return DeleteOne(host, kNoSlot, std::wstring());
	}
	XSI::CStatus status = XSI::CStatus::OK;
	for (const Handle& handle : selected) {
		// One may have gone with another selected above it.
		if (host.Scene().Objects().IsLive(handle) && DeleteOne(host, handle.slot, std::wstring()) != XSI::CStatus::OK) {
			status = XSI::CStatus::Fail;
		}
	}
	return status;
}

// With no argument the documented default is the selection; whether an
// empty value, "" or a reference that is gone means it too is a reading.
XSI::CStatus DeleteWithoutTarget(Host& host)
{
	if (host.Readings().DeleteWithoutTargetTakesSelection()) {
		return DeleteSelection(host);
	}
	return DeleteOne(host, kNoSlot, std::wstring());
}

} // namespace

XSI::CStatus DeleteObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue)
{
	ioValue.Clear();
	if (args.GetCount() == 0) {
		return DeleteSelection(host); // the documented default
	}
	const XSI::CValue& target = args[0];
	if (target.m_t == XSI::CValue::siRef) {
		// Resolved once: a reference that is gone is no object given.
		Handle handle = HandleInValue(target);
		uint32_t slot = host.Scene().Objects().IsLive(handle) ? handle.slot : kNoSlot;
		return slot == kNoSlot ? DeleteWithoutTarget(host) : DeleteOne(host, slot, std::wstring());
	}
	if (NamesNothing(target)) {
		return DeleteWithoutTarget(host);
	}
	std::wstring asked;
	uint32_t slot = ResolveTarget(host, target, &asked);
	return DeleteOne(host, slot, asked);
}

} // namespace host_engine
