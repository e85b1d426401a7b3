// A module built for the host imports sicppsdk.dll's members by their MSVC
// names ("?GetName@SIObject@XSI@@..."); one built against the stand-in by
// another compiler imports the stand-in's by that compiler's. The import
// table says which, so nobody has to.
#include "module_abi.h"

#include "abi_bridge.h"

#ifdef _WIN32
#include <windows.h>

#include <cstring>
#endif

namespace host_engine {

#ifdef _WIN32

namespace {

const char* const kHostObjectLibrary = "sicppsdk.dll";

// The first name `module` imports from its descriptor `import`, or null.
const char* FirstImportedName(const unsigned char* module, const IMAGE_IMPORT_DESCRIPTOR& import)
{
	// The lookup table keeps the names once the loader has bound the addresses.
	DWORD table = import.OriginalFirstThunk != 0 ? import.OriginalFirstThunk : import.FirstThunk;
	for (const IMAGE_THUNK_DATA* entry = reinterpret_cast<const IMAGE_THUNK_DATA*>(module + table);
	     entry->u1.AddressOfData != 0; ++entry) {
		if (!IMAGE_SNAP_BY_ORDINAL(entry->u1.Ordinal)) {
			return reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(module + entry->u1.AddressOfData)->Name;
		}
	}
	return nullptr;
}

} // namespace

bool ReadModuleAbi(void* handle, void** msvcEntryCaller, std::string* error)
{
	*msvcEntryCaller = nullptr;
	const unsigned char* module = static_cast<const unsigned char*>(handle);
	const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(module);
	const IMAGE_NT_HEADERS* headers = reinterpret_cast<const IMAGE_NT_HEADERS*>(module + dos->e_lfanew);
	const IMAGE_DATA_DIRECTORY& imports = headers->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
	if (imports.VirtualAddress == 0) {
		return true;
	}
	for (const IMAGE_IMPORT_DESCRIPTOR* import =
	         reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(module + imports.VirtualAddress);
	     import->Name != 0; ++import) {
		const char* library = reinterpret_cast<const char*>(module + import->Name);
		if (_stricmp(library, kHostObjectLibrary) != 0) {
			continue;
		}
		const char* name = FirstImportedName(module, *import);
		if (name == nullptr || name[0] != '?') {
			return true;
		}
		HMODULE library_module = GetModuleHandleA(library);
		*msvcEntryCaller = library_module
		                       ? reinterpret_cast<void*>(GetProcAddress(library_module, BRIDGE_CALL_ENTRY_POINT_NAME))
		                       : nullptr;
		if (*msvcEntryCaller == nullptr) {
			if (error) {
				*error = std::string("the module is built for the host's own ") + kHostObjectLibrary +
				         ", and the one it was given is not the stand-in's (it has no " + BRIDGE_CALL_ENTRY_POINT_NAME +
				         ")";
			}
			return false;
		}
		return true;
	}
	return true;
}

#else

bool ReadModuleAbi(void*, void** msvcEntryCaller, std::string*)
{
	*msvcEntryCaller = nullptr;
	return true;
}

#endif

} // namespace host_engine
