#include "api/journal_call.h"
#include "core/host.h"
#include "core/node_data.h"

#include <xsi_ppglayout.h>

namespace XSI {

namespace {

host_core::LayoutData* LayoutBehind(const CRef& ref)
{
	host_core::Host& host = host_core::Host::Current();
	return host_core::DataOf<host_core::LayoutData>(host.Objects(), host.SlotOf(ref));
}

PPGItem Append(const CRef& layout, host_core::LayoutItem item)
{
	host_core::LayoutData* data = LayoutBehind(layout);
	if (data != nullptr) {
		data->items.push_back(std::move(item));
	}
	// Items are kept as layout entries, not as objects: the handle is empty.
	return PPGItem();
}

host_core::LayoutItem Entry(host_core::LayoutItem::Kind kind, const CString& name = CString(),
                            const CString& label = CString())
{
	host_core::LayoutItem item;
	item.kind = kind;
	item.name = name.GetWideString();
	item.label = label.GetWideString();
	return item;
}

} // namespace

CStatus PPGLayout::Clear()
{
	JournalCall journal("PPGLayout.Clear", GetRef());
	host_core::LayoutData* data = LayoutBehind(GetRef());
	if (data == nullptr) {
		return CStatus::Fail;
	}
	data->items.clear();
	return CStatus::OK;
}

CStatus PPGLayout::AddRow()
{
	JournalCall journal("PPGLayout.AddRow", GetRef());
	return LayoutBehind(GetRef()) ? (Append(GetRef(), Entry(host_core::LayoutItem::Row)), CStatus(CStatus::OK))
	                              : CStatus(CStatus::Fail);
}

CStatus PPGLayout::EndRow()
{
	JournalCall journal("PPGLayout.EndRow", GetRef());
	return LayoutBehind(GetRef()) ? (Append(GetRef(), Entry(host_core::LayoutItem::EndRow)), CStatus(CStatus::OK))
	                              : CStatus(CStatus::Fail);
}

PPGItem PPGLayout::AddButton(const CString& in_ScriptName, const CString& in_Label)
{
	JournalCall journal("PPGLayout.AddButton", GetRef(), in_ScriptName, in_Label);
	return Append(GetRef(), Entry(host_core::LayoutItem::Button, in_ScriptName, in_Label));
}

PPGItem PPGLayout::AddGroup(const CString& in_Label, bool in_ShowFrame, LONG in_WidthPercentage)
{
	JournalCall journal("PPGLayout.AddGroup", GetRef(), in_Label, in_ShowFrame, static_cast<long>(in_WidthPercentage));
	host_core::LayoutItem item = Entry(host_core::LayoutItem::Group, CString(), in_Label);
	item.showFrame = in_ShowFrame;
	item.widthPercentage = in_WidthPercentage;
	return Append(GetRef(), item);
}

PPGItem PPGLayout::AddItem(const CString& in_ParamName, const CString& in_Label, const CString& in_Type)
{
	JournalCall journal("PPGLayout.AddItem", GetRef(), in_ParamName, in_Label, in_Type);
	host_core::LayoutItem item = Entry(host_core::LayoutItem::Item, in_ParamName, in_Label);
	item.uiType = in_Type.GetWideString();
	return Append(GetRef(), item);
}

PPGItem PPGLayout::EndGroup()
{
	JournalCall journal("PPGLayout.EndGroup", GetRef());
	return Append(GetRef(), Entry(host_core::LayoutItem::EndGroup));
}

} // namespace XSI
