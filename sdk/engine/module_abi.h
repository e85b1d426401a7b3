// Which C++ ABI a loaded module speaks to the host in, read from its imports.
#ifndef HOST_ENGINE_MODULE_ABI_H
#define HOST_ENGINE_MODULE_ABI_H

#include <string>

namespace host_engine {

// For the module loaded at `handle`: when it speaks the MSVC ABI, the
// stand-in's function that calls its entry points in `msvcEntryCaller`;
// nullptr there for a native module. False, with a one-line reason, for a
// module in the MSVC ABI bound to host DLLs that are not the stand-in's.
// Off Windows every module is native.
bool ReadModuleAbi(void* handle, void** msvcEntryCaller, std::string* error);

} // namespace host_engine

#endif
