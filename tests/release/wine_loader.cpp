// The load test's loader: loads Quillmere.dll from its own folder, as the host
// does, and looks up each entry point by name. It calls none of them. Built
// without a C runtime, like the DLL, so it needs nothing but the system.
#include "entry_points.inc.h"

#if defined(_M_IX86)
#define QUILLMERE_WINAPI __stdcall
#else
#define QUILLMERE_WINAPI
#endif

extern "C" {
__declspec(dllimport) void* QUILLMERE_WINAPI LoadLibraryW(const wchar_t* name);
__declspec(dllimport) void* QUILLMERE_WINAPI GetProcAddress(void* module, const char* name);
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
	Print("Quillmere.dll loaded; found ");
	PrintNumber(found);
	Print(" of ");
	PrintNumber(sizeof kEntryPoints / sizeof kEntryPoints[0]);
	Print(" entry points\n");
	ExitProcess(found == sizeof kEntryPoints / sizeof kEntryPoints[0] ? 0 : 1);
}
