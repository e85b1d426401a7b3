// Opening a plug-in module and finding its entry points by exported name.
#ifndef HOST_ENGINE_MODULE_LOADER_H
#define HOST_ENGINE_MODULE_LOADER_H

#include <string>

namespace host_engine {

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

private:
	void* m_handle = nullptr;
	std::string m_path;
};

} // namespace host_engine

#endif
