#include "engine/module_loader.h"

#include "module_abi.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace host_engine {

Module::~Module()
{
	Close();
}

#ifdef _WIN32

bool Module::Open(const std::string& path, std::string* error)
{
	Close();
	HMODULE module = LoadLibraryA(path.c_str());
	if (module == nullptr) {
		if (error) {
			*error = "cannot open module (Windows error " + std::to_string(GetLastError()) + ")";
		}
		return false;
	}
	m_handle = reinterpret_cast<void*>(module);
	m_path = path;
	if (!ReadModuleAbi(m_handle, &m_msvcEntryCaller, error)) {
		Close();
		return false;
	}
	m_abi = m_msvcEntryCaller != nullptr ? ModuleAbi::Msvc : ModuleAbi::Native;
	return true;
}

void Module::Close()
{
	if (m_handle != nullptr) {
		FreeLibrary(reinterpret_cast<HMODULE>(m_handle));
		m_handle = nullptr;
	}
	m_abi = ModuleAbi::Native;
	m_msvcEntryCaller = nullptr;
}

void* Module::Find(const std::string& name) const
{
	if (m_handle == nullptr) {
		return nullptr;
	}
	return reinterpret_cast<void*>(GetProcAddress(reinterpret_cast<HMODULE>(m_handle), name.c_str()));
}

#else

bool Module::Open(const std::string& path, std::string* error)
{
	Close();
	// RTLD_LOCAL: plug-ins must not see each other's symbols, as on the host.
	void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
	if (handle == nullptr) {
		if (error) {
			const char* reason = dlerror();
			*error = reason ? reason : "cannot open module";
			// The loader names the file first; the caller names it already.
			if (error->compare(0, path.size() + 2, path + ": ") == 0) {
				error->erase(0, path.size() + 2);
			}
		}
		return false;
	}
	m_handle = handle;
	m_path = path;
	return true;
}

void Module::Close()
{
	if (m_handle != nullptr) {
		dlclose(m_handle);
		m_handle = nullptr;
	}
}

void* Module::Find(const std::string& name) const
{
	return m_handle ? dlsym(m_handle, name.c_str()) : nullptr;
}

#endif

} // namespace host_engine
