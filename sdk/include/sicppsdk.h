// Stand-in for the host's sicppsdk.h: global typedefs and the export macros.
#ifndef SICPPSDK_H
#define SICPPSDK_H

// The host's header tests `unix`, which strict ISO dialects leave undefined;
// this stand-in keys on __unix__ so -std=c++11 still takes the unix branch.
#if defined(__unix__) && !defined(_WIN32)
#define XSI_STANDIN_UNIX 1
#endif

#ifdef XSI_STANDIN_UNIX
#include <values.h>
#else
#include <float.h>
#endif
#include <assert.h>
#include <limits.h>
// DBL_MAX is the documented "current frame" time; <values.h> may not give it.
#include <float.h>

#ifdef XSI_STANDIN_UNIX
#if defined(WIN64) || defined(_WIN64) || defined(__x86_64)
typedef int LONG;
typedef unsigned int ULONG;
// LONG is int here, so CValue declares no separate int overloads.
#define XSI_STANDIN_LONG_IS_INT 1
#else
typedef long LONG;
typedef unsigned long ULONG;
#endif
#else
typedef long LONG;
typedef unsigned long ULONG;
#endif

typedef int INT;
typedef unsigned int UINT;
typedef short SHORT;
typedef unsigned short USHORT;
typedef USHORT WORD;
typedef ULONG DWORD;
typedef long long LLONG;
typedef unsigned long long ULLONG;

#ifdef XSI_STANDIN_UNIX
#ifndef SICPPSDKDECL
#define SICPPSDKDECL
#endif
// As dllexport does on Windows, these keep the entry points exported when a
// plug-in is built with hidden visibility.
#define XSI_STANDIN_EXPORT __attribute__((visibility("default")))
#define XSIPLUGINCALLBACK extern "C" XSI_STANDIN_EXPORT
#define SICALLBACK extern "C" XSI_STANDIN_EXPORT XSI::CStatus
#define _SICALLBACK(T) extern "C" XSI_STANDIN_EXPORT T
#define SICPPSDK_INLINE inline
#else
#ifndef SICPPSDKDECL
#ifdef SICPPSDKIMPL
#define SICPPSDKDECL __declspec(dllexport)
#else
#define SICPPSDKDECL __declspec(dllimport)
#endif
#endif
// MSVC knows _cdecl as a keyword; MinGW's headers define it only sometimes.
#if defined(__GNUC__) && !defined(_cdecl)
#define _cdecl __attribute__((__cdecl__))
#endif
#define XSIPLUGINCALLBACK extern "C" __declspec(dllexport)
#define SICALLBACK extern "C" __declspec(dllexport) XSI::CStatus _cdecl
#define _SICALLBACK(T) extern "C" __declspec(dllexport) T _cdecl
#ifdef _MSC_VER
#define SICPPSDK_INLINE __forceinline
#pragma warning(disable : 4190)
#else
#define SICPPSDK_INLINE inline
#endif
#endif

// A plug-in holds the host's handles and values on its own stack and passes
// them by address, so each class must have the host's size and alignment in
// the MSVC ABI, and be trivially copyable exactly where the host's is (that
// decides how a function returns it). MinGW and 64-bit unix give the same
// figures; a difference fails the build.
#if defined(_M_X64) || defined(_WIN64) || defined(__LP64__)
#define XSI_STANDIN_ASSERT_LAYOUT(T, size32, align32, size64, align64, trivial)                                        \
	static_assert(sizeof(T) == (size64), #T " has the host's size");                                                   \
	static_assert(alignof(T) == (align64), #T " has the host's alignment");                                            \
	static_assert(__is_trivially_copyable(T) == (trivial), #T " is trivially copyable where the host's is")
#elif defined(_M_IX86) || defined(_WIN32)
#define XSI_STANDIN_ASSERT_LAYOUT(T, size32, align32, size64, align64, trivial)                                        \
	static_assert(sizeof(T) == (size32), #T " has the host's size");                                                   \
	static_assert(alignof(T) == (align32), #T " has the host's alignment");                                            \
	static_assert(__is_trivially_copyable(T) == (trivial), #T " is trivially copyable where the host's is")
#else
#define XSI_STANDIN_ASSERT_LAYOUT(T, size32, align32, size64, align64, trivial) static_assert(true, "")
#endif

#endif // SICPPSDK_H
