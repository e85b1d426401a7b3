// What this DLL asks of a C runtime (Windows' msvcrt.dll, which Wine
// provides): memory, and the end of a plug-in's call by a structured exception.
#include "bridge_calls.h"

#include <stdlib.h>

extern "C" __declspec(dllimport) void __stdcall RaiseException(unsigned long code, unsigned long flags,
                                                               unsigned long count, const uintptr_t* arguments);

namespace msvc_abi {

namespace {

// EXCEPTION_NONCONTINUABLE: the plug-in's call does not resume.
const unsigned long kNoResume = 1;

} // namespace

void RaisePluginFault()
{
	RaiseException(kPluginFaultCode, kNoResume, 0, nullptr);
	for (;;) {
	}
}

void* Allocate(size_t size)
{
	void* memory = malloc(size);
	if (memory == nullptr) {
		RaiseException(kOutOfMemoryCode, kNoResume, 0, nullptr);
	}
	return memory;
}

} // namespace msvc_abi

// A class with a virtual destructor has a deleting one in its table, which
// calls these; nothing of ours allocates with new.
void* operator new(size_t size)
{
	return msvc_abi::Allocate(size);
}

void operator delete(void* memory) noexcept
{
	free(memory);
}

void operator delete(void* memory, size_t) noexcept
{
	free(memory);
}
