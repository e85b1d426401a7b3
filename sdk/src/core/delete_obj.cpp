#include "core/delete_obj.h"

#include "core/host.h"

namespace host_core {

namespace {

// The slot `target` names, or kNoSlot; `asked` gets the text for the history.
uint32_t ResolveTarget(Host& host, const XSI::CValue& target, std::wstring* asked)
{
	if (target.m_t == XSI::CValue::siRef) {
		return host.SlotOf(static_cast<XSI::CRef>(target));
	}
	if (target.m_t == XSI::CValue::siString) {
		*asked = static_cast<XSI::CString>(target).GetWideString();
		return host.Objects().Resolve(*asked);
	}
	return kNoSlot;
}

bool IsDeletable(Host& host, uint32_t slot)
{
	// Only what hangs in the scene tree can go, and never the root itself.
	return slot != kNoSlot && slot != host.RootSlot() && host.Objects().Owning3DObject(slot) != kNoSlot;
}

} // namespace

XSI::CStatus DeleteObj(Host& host, XSI::CValueArray& args, XSI::CValue& ioValue)
{
	ioValue = XSI::CValue();
	ObjectTable& objects = host.Objects();
	DeleteRecord record;
	std::wstring asked;
	uint32_t slot = args.GetCount() > 0 ? ResolveTarget(host, args[0], &asked) : kNoSlot;
	bool injectedFault = slot != kNoSlot && host.Faults().failDelete && host.Faults().failDelete(slot);
	if (!IsDeletable(host, slot) || injectedFault) {
		record.nameId = asked.empty() ? 0 : objects.Names().Intern(asked);
		host.History().Add(record);
		return injectedFault ? XSI::CStatus::Fail : XSI::CStatus::InvalidArgument;
	}
	const Node& node = objects.At(slot);
	record.removed = true;
	record.nameId = node.nameId;
	record.classId = node.classId;
	record.ownerNameId = objects.At(objects.Owning3DObject(node.parent)).nameId;
	host.History().Add(record);
	host.DeleteUndoably(slot);
	return XSI::CStatus::OK;
}

} // namespace host_core
