// PluginRegistrar: what XSILoadPlugin tells the host of the plug-in it loads.
#include "journal_call.h"
#include "engine/current_host.h"
#include "engine/plugin_host.h"
#include "engine/plugin_registration.h"

#include <xsi_pluginregistrar.h>

namespace XSI {

namespace {

host_engine::LoadedPlugin* PluginBehind(const CRef& registrar)
{
	host_engine::Host& host = host_engine::CurrentHost();
	return host_engine::PluginBehindRegistrar(host, host.Scene().SlotOf(registrar));
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
	host_engine::Host& host = host_engine::CurrentHost();
	return PluginItem(host.Scene().RefOf(host_engine::RegisterPluginCommand(
	    host, host.Scene().SlotOf(GetRef()), in_commandName.GetWideString(), in_commandScriptName.GetWideString())));
}

PluginItem PluginRegistrar::RegisterProperty(const CString& in_strName)
{
	JournalCall journal("PluginRegistrar.RegisterProperty", *this, in_strName);
	host_engine::Host& host = host_engine::CurrentHost();
	return PluginItem(host.Scene().RefOf(
	    host_engine::RegisterPluginProperty(host, host.Scene().SlotOf(GetRef()), in_strName.GetWideString())));
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
