// Opening a plug-in module and finding its entry points by exported name.
#ifndef HOST_ENGINE_MODULE_LOADER_H
#define HOST_ENGINE_MODULE_LOADER_H

#include <string>

namespace host_engine {

// The C++ ABI a module's calls into the host are made in: the stand-in's own
// (the compiler that built it), or Microsoft's, the host's own, for a module
// built for the host (it imports sicppsdk.dll's members by their MSVC names).
enum class ModuleAbi { Native, Msvc };

// An open module; closes it on destruction.
class Module
{
public:
	Module() = default;
	~Module();
	Module(const Module&) = delete;
	Module& operator=(const Module&) = delete;

	// False with a one-line reason in `error` when the file can't be opened.
	bool Open(const std::string& path, std::string* error);
	void Close();
	bool IsOpen() const { return m_handle != nullptr; }
	// The address exported under `name`, or nullptr.
	void* Find(const std::string& name) const;
	const std::string& Path() const { return m_path; }
	// Decided when the module is opened, from what it imports.
	ModuleAbi Abi() const { return m_abi; }
	// In the MSVC ABI: the function of the stand-in's MSVC-ABI sicppsdk.dll
	// that calls this module's entry points (bridge_call_entry_point_fn).
	void* MsvcEntryCaller() const { return m_msvcEntryCaller; }

private:
	void* m_handle = nullptr;
	std::string m_path;
	ModuleAbi m_abi = ModuleAbi::Native;
	void* m_msvcEntryCaller = nullptr;
};

} // namespace host_engine

#endif
