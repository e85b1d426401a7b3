#include "journal_call.h"
#include "engine/current_host.h"
#include "node_data.h"
#include "engine/plugin_host.h"

#include <xsi_pluginregistrar.h>

namespace XSI {

namespace {

host_engine::LoadedPlugin* PluginBehind(const CRef& registrar)
{
	host_engine::Host& host = host_engine::CurrentHost();
	host_engine::PluginLink* link =
	    host_engine::DataOf<host_engine::PluginLink>(host.Scene().Objects(), host.Scene().SlotOf(registrar));
	return link ? host.Plugins().Find(link->pluginId) : nullptr;
}

// A plug-in item handle: a small object under the registrar, gone with it.
PluginItem MakeItem(const CRef& registrar, const CString& name)
{
	host_engine::Host& host = host_engine::CurrentHost();
	uint32_t slot = host.Scene().SlotOf(registrar);
	if (slot == host_engine::kNoSlot) {
		return PluginItem();
	}
	return PluginItem(host.Scene().RefOf(host.Scene().Objects().Create(siPluginItemID, name.GetWideString(), slot)));
}

} // namespace

CStatus PluginRegistrar::PutAuthor(const CString& in_author)
{
	JournalCall journal("PluginRegistrar.PutAuthor", *this, in_author);
	host_engine::LoadedPlugin* plugin = PluginBehind(GetRef());
	if (plugin == nullptr) {
		return CStatus::Fail;
	}
	plugin->author = in_author.GetWideString();
	return CStatus::OK;
}

CStatus PluginRegistrar::PutVersion(LONG in_major, LONG in_minor)
{
	JournalCall journal("PluginRegistrar.PutVersion", *this, static_cast<long>(in_major), static_cast<long>(in_minor));
	host_engine::LoadedPlugin* plugin = PluginBehind(GetRef());
	if (plugin == nullptr) {
		return CStatus::Fail;
	}
	plugin->versionMajor = in_major;
	plugin->versionMinor = in_minor;
	return CStatus::OK;
}

PluginItem PluginRegistrar::RegisterCommand(const CString& in_commandScriptName)
{
	JournalCall journal("PluginRegistrar.RegisterCommand", *this, in_commandScriptName);
	return RegisterCommand(in_commandScriptName, in_commandScriptName);
}

PluginItem PluginRegistrar::RegisterCommand(const CString& in_commandName, const CString& in_commandScriptName)
{
	JournalCall journal("PluginRegistrar.RegisterCommand", *this, in_commandName, in_commandScriptName);
	host_engine::LoadedPlugin* plugin = PluginBehind(GetRef());
	if (plugin == nullptr || in_commandName.IsEmpty() || in_commandScriptName.IsEmpty()) {
		return PluginItem();
	}
	host_engine::RegisteredCommand command;
	command.name = in_commandName.GetWideString();
	command.scriptName = in_commandScriptName.GetWideString();
	plugin->commands.push_back(command);
	return MakeItem(GetRef(), in_commandName);
}

PluginItem PluginRegistrar::RegisterProperty(const CString& in_strName)
{
	JournalCall journal("PluginRegistrar.RegisterProperty", *this, in_strName);
	host_engine::LoadedPlugin* plugin = PluginBehind(GetRef());
	if (plugin == nullptr || in_strName.IsEmpty()) {
		return PluginItem();
	}
	plugin->properties.push_back(in_strName.GetWideString());
	return MakeItem(GetRef(), in_strName);
}

CStatus PluginRegistrar::GetVersion(LONG& out_major, LONG& out_minor) const
{
	JournalCall journal("PluginRegistrar.GetVersion", *this);
	host_engine::LoadedPlugin* plugin = PluginBehind(GetRef());
	if (plugin == nullptr) {
		return CStatus::Fail;
	}
	out_major = static_cast<LONG>(plugin->versionMajor);
	out_minor = static_cast<LONG>(plugin->versionMinor);
	return CStatus::OK;
}

CString PluginRegistrar::GetAuthor() const
{
	JournalCall journal("PluginRegistrar.GetAuthor", *this);
	host_engine::LoadedPlugin* plugin = PluginBehind(GetRef());
	return plugin ? CString(plugin->author.c_str()) : CString();
}

} // namespace XSI
