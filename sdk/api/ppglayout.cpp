#include "journal_call.h"
#include "engine/current_host.h"
#include "node_data.h"

#include <xsi_ppglayout.h>

namespace XSI {

namespace {

host_engine::LayoutData* LayoutBehind(const CRef& ref)
{
	host_engine::Host& host = host_engine::CurrentHost();
	return host_engine::DataOf<host_engine::LayoutData>(host.Scene().Objects(), host.Scene().SlotOf(ref));
}

PPGItem Append(const CRef& layout, host_engine::LayoutItem item)
{
	host_engine::LayoutData* data = LayoutBehind(layout);
	if (data != nullptr) {
		data->items.push_back(std::move(item));
	}
	// Items are kept as layout entries, not as objects: the handle is empty.
	return PPGItem();
}

host_engine::LayoutItem Entry(host_engine::LayoutItem::Kind kind, const CString& name = CString(),
                              const CString& label = CString())
{
	host_engine::LayoutItem item;
	item.kind = kind;
	item.name = name.GetWideString();
	item.label = label.GetWideString();
	return item;
}

} // namespace

CStatus PPGLayout::Clear()
{
	JournalCall journal("PPGLayout.Clear", *this);
	host_engine::LayoutData* data = LayoutBehind(GetRef());
	if (data == nullptr) {
		return CStatus::Fail;
	}
	data->items.clear();
	return CStatus::OK;
}

CStatus PPGLayout::AddRow()
{
	JournalCall journal("PPGLayout.AddRow", *this);
	return LayoutBehind(GetRef()) ? (Append(GetRef(), Entry(host_engine::LayoutItem::Row)), CStatus(CStatus::OK))
	                              : CStatus(CStatus::Fail);
}

CStatus PPGLayout::EndRow()
{
	JournalCall journal("PPGLayout.EndRow", *this);
	return LayoutBehind(GetRef()) ? (Append(GetRef(), Entry(host_engine::LayoutItem::EndRow)), CStatus(CStatus::OK))
	                              : CStatus(CStatus::Fail);
}

PPGItem PPGLayout::AddButton(const CString& in_ScriptName, const CString& in_Label)
{
	JournalCall journal("PPGLayout.AddButton", *this, in_ScriptName, in_Label);
	return Append(GetRef(), Entry(host_engine::LayoutItem::Button, in_ScriptName, in_Label));
}

PPGItem PPGLayout::AddGroup(const CString& in_Label, bool in_ShowFrame, LONG in_WidthPercentage)
{
	JournalCall journal("PPGLayout.AddGroup", *this, in_Label, in_ShowFrame, static_cast<long>(in_WidthPercentage));
	host_engine::LayoutItem item = Entry(host_engine::LayoutItem::Group, CString(), in_Label);
	item.showFrame = in_ShowFrame;
	item.widthPercentage = in_WidthPercentage;
	return Append(GetRef(), item);
}

PPGItem PPGLayout::AddItem(const CString& in_ParamName, const CString& in_Label, const CString& in_Type)
{
	JournalCall journal("PPGLayout.AddItem", *this, in_ParamName, in_Label, in_Type);
	host_engine::LayoutItem item = Entry(host_engine::LayoutItem::Item, in_ParamName, in_Label);
	item.uiType = in_Type.GetWideString();
	return Append(GetRef(), item);
}

PPGItem PPGLayout::EndGroup()
{
	JournalCall journal("PPGLayout.EndGroup", *this);
	return Append(GetRef(), Entry(host_engine::LayoutItem::EndGroup));
}

} // namespace XSI
