// PPGLayout: the rows, groups, buttons and items a DefineLayout callback lays out.
#include "journal_call.h"
#include "engine/current_host.h"
#include "engine/layout_building.h"

#include <xsi_ppglayout.h>

#include <utility>

namespace XSI {

namespace {

uint32_t LayoutSlot(const CRef& layout)
{
	return host_engine::CurrentHost().Scene().SlotOf(layout);
}

bool Append(const CRef& layout, host_engine::LayoutItem item)
{
	return host_engine::AppendLayoutItem(host_engine::CurrentHost().Scene().Objects(), LayoutSlot(layout),
	                                     std::move(item));
}

// Items are kept as layout entries, not as objects: their handles are empty.
PPGItem AppendItem(const CRef& layout, host_engine::LayoutItem item)
{
	Append(layout, std::move(item));
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
	return host_engine::ClearLayout(host_engine::CurrentHost().Scene().Objects(), LayoutSlot(GetRef())) ? CStatus::OK
	                                                                                                    : CStatus::Fail;
}

CStatus PPGLayout::AddRow()
{
	JournalCall journal("PPGLayout.AddRow", *this);
	return Append(GetRef(), Entry(host_engine::LayoutItem::Row)) ? CStatus::OK : CStatus::Fail;
}

CStatus PPGLayout::EndRow()
{
	JournalCall journal("PPGLayout.EndRow", *this);
	return Append(GetRef(), Entry(host_engine::LayoutItem::EndRow)) ? CStatus::OK : CStatus::Fail;
}

PPGItem PPGLayout::AddButton(const CString& in_ScriptName, const CString& in_Label)
{
	JournalCall journal("PPGLayout.AddButton", *this, in_ScriptName, in_Label);
	return AppendItem(GetRef(), Entry(host_engine::LayoutItem::Button, in_ScriptName, in_Label));
}

PPGItem PPGLayout::AddGroup(const CString& in_Label, bool in_ShowFrame, LONG in_WidthPercentage)
{
	JournalCall journal("PPGLayout.AddGroup", *this, in_Label, in_ShowFrame, static_cast<long>(in_WidthPercentage));
	host_engine::LayoutItem item = Entry(host_engine::LayoutItem::Group, CString(), in_Label);
	item.showFrame = in_ShowFrame;
	item.widthPercentage = in_WidthPercentage;
	return AppendItem(GetRef(), item);
}

PPGItem PPGLayout::AddItem(const CString& in_ParamName, const CString& in_Label, const CString& in_Type)
{
	JournalCall journal("PPGLayout.AddItem", *this, in_ParamName, in_Label, in_Type);
	host_engine::LayoutItem item = Entry(host_engine::LayoutItem::Item, in_ParamName, in_Label);
	item.uiType = in_Type.GetWideString();
	return AppendItem(GetRef(), item);
}

PPGItem PPGLayout::EndGroup()
{
	JournalCall journal("PPGLayout.EndGroup", *this);
	return AppendItem(GetRef(), Entry(host_engine::LayoutItem::EndGroup));
}

} // namespace XSI
