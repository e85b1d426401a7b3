#include "engine/plugin_host.h"

#include "engine/callback_arguments.h"
#include "engine/host.h"
#include "engine/plugin_fault.h"
#include "entry_point_calls.h"
#include "node_data.h"

#include <algorithm>

namespace host_engine {

namespace {

// A message as host text: bytes as they are, as far as they are ASCII.
std::wstring Widen(const std::string& text)
{
	std::wstring out;
	for (char c : text) {
		out += static_cast<unsigned char>(c) < 128 ? static_cast<wchar_t>(c) : L'?';
	}
	return out;
}

std::string Narrow(const std::wstring& text)
{
	std::string out;
	for (wchar_t c : text) {
		// Exported names are plain ASCII; anything else can't match one.
		out += (c != 0 && static_cast<unsigned long>(c) < 128) ? static_cast<char>(c) : '?';
	}
	return out;
}

// Runs a plug-in's callback as the plug-in. An exception escaping it stops at
// this boundary, as it would at the host's: `thrown` gets what it said, and
// the call counts as failed. A fault, a call the host leaves undefined, goes
// on: it ends the run, as a crash in the host would.
template <typename Call> XSI::CStatus CallPlugin(Host& host, Call call, std::string* thrown)
{
	CallerScope scope(host.Caller(), ApiCaller::Kind::Plugin);
	try {
		return call();
	} catch (const PluginFault&) {
		throw;
	} catch (const std::exception& error) {
		*thrown = error.what();
	} catch (...) {
		*thrown = "something that is not a std::exception";
	}
	return XSI::CStatus::Fail;
}

} // namespace

std::string CallbackName(const std::wstring& item, const char* callback)
{
	std::wstring bare;
	for (wchar_t c : item) {
		if (c != L' ') {
			bare += c;
		}
	}
	return Narrow(bare) + "_" + callback;
}

PluginHost::PluginHost(Host& host) : m_host(host) {}

PluginHost::~PluginHost()
{
	UnloadAll();
}

LoadedPlugin* PluginHost::Find(size_t id)
{
	for (auto& plugin : m_plugins) {
		if (plugin->id == id) {
			return plugin.get();
		}
	}
	return nullptr;
}

Handle PluginHost::CreateRegistrar(ObjectTable& objects, size_t pluginId)
{
	Handle registrar = objects.Create(XSI::siPluginRegistrarID, L"", kNoSlot);
	std::unique_ptr<PluginLink> link(new PluginLink);
	link->pluginId = pluginId;
	objects.SetData(registrar.slot, std::move(link));
	return registrar;
}

LoadedPlugin* PluginHost::Load(const std::string& path, std::string* error)
{
	std::unique_ptr<LoadedPlugin> plugin(new LoadedPlugin);
	std::string reason;
	if (!plugin->module.Open(path, &reason)) {
		if (error) {
			*error = path + ": " + reason;
		}
		return nullptr;
	}
	void* load = plugin->module.Find("XSILoadPlugin");
	if (load == nullptr) {
		if (error) {
			*error = path + ": the module does not export XSILoadPlugin";
		}
		return nullptr; // the Module closes itself
	}
	plugin->id = m_nextId++;
	LoadedPlugin* raw = plugin.get();
	m_plugins.push_back(std::move(plugin));

	ObjectTable& objects = m_host.Scene().Objects();
	uint32_t registrarSlot = CreateRegistrar(objects, raw->id).slot;

	std::string thrown;
	XSI::CStatus status = CallPlugin(
	    m_host,
	    [&] { return CallEntryPoint(raw->module, EntryPoint::LoadPlugin, load, m_host.Scene().RefOf(registrarSlot)); },
	    &thrown);
	raw->name = std::wstring(objects.Name(registrarSlot));
	objects.DestroySubtree(registrarSlot);
	if (status != XSI::CStatus::OK) {
		if (error) {
			*error =
			    path + (thrown.empty() ? ": XSILoadPlugin failed" : ": XSILoadPlugin threw an exception: " + thrown);
		}
		m_plugins.pop_back();
		return nullptr;
	}
	for (RegisteredCommand& command : raw->commands) {
		SetUpCommand(*raw, command);
	}
	return raw;
}

void PluginHost::SetUpCommand(LoadedPlugin& plugin, RegisteredCommand& command)
{
	ObjectTable& objects = m_host.Scene().Objects();
	command.commandSlot = CreateCommand(objects, command.scriptName).slot;
	CallWithContext(plugin, command.name, "Init", command.commandSlot, XSI::siContextID);

	size_t pluginId = plugin.id;
	size_t index = static_cast<size_t>(&command - &plugin.commands[0]);
	m_host.Commands().Register(command.scriptName, [this, pluginId, index](XSI::CValueArray&, XSI::CValue& ioValue) {
		return ExecutePluginCommand(pluginId, index, ioValue);
	});
}

XSI::CStatus PluginHost::ExecutePluginCommand(size_t pluginId, size_t commandIndex, XSI::CValue& ioValue)
{
	LoadedPlugin* plugin = Find(pluginId);
	if (plugin == nullptr || commandIndex >= plugin->commands.size()) {
		return XSI::CStatus::Fail;
	}
	RegisteredCommand& command = plugin->commands[commandIndex];
	XSI::CStatus status = XSI::CStatus::Fail;
	if (!CallWithContext(*plugin, command.name, "Execute", command.commandSlot, XSI::siContextID, 0, L"", L"",
	                     &status)) {
		return XSI::CStatus::NotImpl;
	}
	ioValue = XSI::CValue(); // the command never sets a return value the host could pass on
	return status;
}

bool PluginHost::CallWithContext(LoadedPlugin& plugin, const std::wstring& item, const char* callback, uint32_t source,
                                 XSI::siClassID contextClass, int eventId, const std::wstring& attribute,
                                 const std::wstring& attributeValue, XSI::CStatus* status)
{
	void* fn = plugin.module.Find(CallbackName(item, callback));
	if (fn == nullptr) {
		return false;
	}
	ObjectTable& objects = m_host.Scene().Objects();
	uint32_t contextSlot = CreateContext(objects, contextClass, objects.HandleOf(source), eventId).slot;
	if (!attribute.empty()) {
		PutContextAttribute(objects, contextSlot, attribute, XSI::CValue(XSI::CString(attributeValue.c_str())));
	}

	XSI::CRef context = m_host.Scene().RefOf(contextSlot);
	std::string thrown;
	XSI::CStatus result = CallPlugin(
	    m_host, [&] { return CallEntryPoint(plugin.module, EntryPoint::Callback, fn, context); }, &thrown);
	if (!thrown.empty()) {
		std::string name = CallbackName(item, callback);
		m_host.Log().Add(std::wstring(name.begin(), name.end()) + L" threw an exception: " + Widen(thrown),
		                 XSI::siErrorMsg);
	}
	if (status) {
		*status = result;
	}
	objects.DestroySubtree(contextSlot);
	return true;
}

LoadedPlugin* PluginHost::PropertyOwner(const std::wstring& name)
{
	for (auto& plugin : m_plugins) {
		if (std::find(plugin->properties.begin(), plugin->properties.end(), name) != plugin->properties.end()) {
			return plugin.get();
		}
	}
	return nullptr;
}

void PluginHost::Unload(LoadedPlugin* plugin)
{
	auto found = std::find_if(m_plugins.begin(), m_plugins.end(),
	                          [plugin](const std::unique_ptr<LoadedPlugin>& p) { return p.get() == plugin; });
	if (found == m_plugins.end()) {
		return;
	}
	void* unload = plugin->module.Find("XSIUnloadPlugin");
	ObjectTable& objects = m_host.Scene().Objects();
	if (unload != nullptr) {
		uint32_t registrarSlot = objects.Create(XSI::siPluginRegistrarID, plugin->name, kNoSlot).slot;
		std::string thrown;
		CallPlugin(
		    m_host,
		    [&] {
			    return CallEntryPoint(plugin->module, EntryPoint::UnloadPlugin, unload,
			                          m_host.Scene().RefOf(registrarSlot));
		    },
		    &thrown);
		if (!thrown.empty()) {
			m_host.Log().Add(L"XSIUnloadPlugin threw an exception: " + Widen(thrown), XSI::siErrorMsg);
		}
		objects.DestroySubtree(registrarSlot);
	}
	for (RegisteredCommand& command : plugin->commands) {
		m_host.Commands().Unregister(command.scriptName);
		if (command.commandSlot != kNoSlot) {
			objects.DestroySubtree(command.commandSlot);
		}
	}
	m_plugins.erase(found); // closes the module
}

void PluginHost::UnloadAll()
{
	while (!m_plugins.empty()) {
		Unload(m_plugins.back().get());
	}
}

} // namespace host_engine
