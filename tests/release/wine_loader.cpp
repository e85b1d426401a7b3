// The load test's loader: loads Quillmere.dll from its own folder, as the host
// does, checks that each of its imports is bound to the export of that name,
// and looks up each entry point by name. It calls none of them. Built without
// a C runtime, like the DLL, so it needs nothing but the system.
#include "entry_points.inc.h"

#include <stdint.h>

#if defined(_M_IX86)
#define QUILLMERE_WINAPI __stdcall
#else
#define QUILLMERE_WINAPI
#endif

extern "C" {
__declspec(dllimport) void* QUILLMERE_WINAPI LoadLibraryW(const wchar_t* name);
__declspec(dllimport) void* QUILLMERE_WINAPI GetProcAddress(void* module, const char* name);
__declspec(dllimport) void* QUILLMERE_WINAPI GetModuleHandleA(const char* name);
__declspec(dllimport) unsigned long QUILLMERE_WINAPI GetLastError();
__declspec(dllimport) void* QUILLMERE_WINAPI GetStdHandle(unsigned long which);
__declspec(dllimport) int QUILLMERE_WINAPI
    WriteFile(void* file, const void* data, unsigned long size, unsigned long* written, void* overlapped);
__declspec(dllimport) __declspec(noreturn) void QUILLMERE_WINAPI ExitProcess(unsigned int code);
}

namespace {

const wchar_t* const kModuleName = L"Quillmere.dll";
const unsigned long kStandardOutput = static_cast<unsigned long>(-11);

void Print(const char* text)
{
	unsigned long length = 0;
	while (text[length] != '\0') {
		++length;
	}
	unsigned long written = 0;
	WriteFile(GetStdHandle(kStandardOutput), text, length, &written, nullptr);
}

void PrintNumber(unsigned long number)
{
	char digits[24];
	char* at = digits + sizeof digits - 1;
	*at = '\0';
	do {
		*--at = static_cast<char>('0' + number % 10);
		number /= 10;
	} while (number != 0);
	Print(at);
}

// The fields of an import descriptor the check reads (offsets in a PE image).
struct ImportDescriptor {
	uint32_t lookupTable;
	uint32_t timeDateStamp;
	uint32_t forwarderChain;
	uint32_t name;
	uint32_t boundTable;
};

template <typename T> const T* At(const unsigned char* base, uint32_t rva)
{
	return reinterpret_cast<const T*>(base + rva);
}

// Windows refuses a DLL one of whose names its dependency does not export;
// Wine loads it and binds that import to a stub of its own. So each bound
// address is compared with the export the dependency gives for the name.
unsigned long CountUnboundImports(void* module)
{
	const unsigned char* base = static_cast<const unsigned char*>(module);
	const unsigned char* optional = base + *At<uint32_t>(base, 0x3C) + 24;
	bool plus = *reinterpret_cast<const uint16_t*>(optional) == 0x20B;
	uint32_t importRva = *reinterpret_cast<const uint32_t*>(optional + (plus ? 112 : 96) + 8);
	const uintptr_t ordinalFlag = static_cast<uintptr_t>(1) << (sizeof(uintptr_t) * 8 - 1);
	unsigned long unbound = 0;
	for (const ImportDescriptor* import = At<ImportDescriptor>(base, importRva); importRva != 0 && import->name != 0;
	     ++import) {
		const char* dll = At<char>(base, import->name);
		void* dependency = GetModuleHandleA(dll);
		const uintptr_t* names = At<uintptr_t>(base, import->lookupTable);
		const uintptr_t* bound = At<uintptr_t>(base, import->boundTable);
		for (int i = 0; names[i] != 0; ++i) {
			const char* name =
			    (names[i] & ordinalFlag) ? "(an ordinal)" : At<char>(base, static_cast<uint32_t>(names[i]) + 2);
			void* exported =
			    (names[i] & ordinalFlag) || dependency == nullptr ? nullptr : GetProcAddress(dependency, name);
			if (exported == nullptr || reinterpret_cast<uintptr_t>(exported) != bound[i]) {
				Print("Quillmere.dll imports what ");
				Print(dll);
				Print(" does not export: ");
				Print(name);
				Print("\n");
				++unbound;
			}
		}
	}
	return unbound;
}

} // namespace

extern "C" void LoaderMain()
{
	void* module = LoadLibraryW(kModuleName);
	if (module == nullptr) {
		// 126: a DLL it imports from is missing; 127: a name it imports is.
		Print("Quillmere.dll did not load: error ");
		PrintNumber(GetLastError());
		Print("\n");
		ExitProcess(1);
	}
	unsigned long unbound = CountUnboundImports(module);
	unsigned long found = 0;
	for (const char* name : kEntryPoints) {
		if (GetProcAddress(module, name) == nullptr) {
			Print("Quillmere.dll has no entry point ");
			Print(name);
			Print("\n");
		} else {
			++found;
		}
	}
	Print("Quillmere.dll loaded; ");
	PrintNumber(unbound);
	Print(" imports unbound; found ");
	PrintNumber(found);
	Print(" of ");
	PrintNumber(sizeof kEntryPoints / sizeof kEntryPoints[0]);
	Print(" entry points\n");
	ExitProcess(unbound == 0 && found == sizeof kEntryPoints / sizeof kEntryPoints[0] ? 0 : 1);
}
