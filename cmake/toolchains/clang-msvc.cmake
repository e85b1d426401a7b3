# Cross-compiles for Windows in the MSVC C++ ABI with Debian's clang, lld and
# llvm tools. The host's DLLs were built with Microsoft's compiler, so only
# code in this ABI binds to their classes. QUILLMERE_MSVC_ARCH (i686 or
# x86_64) is set by the file that includes this one.
#
# No Microsoft headers or libraries are used: the C headers are Wine's
# msvcrt ones (libwine-dev), and nothing links a C runtime. The DLL runs no
# code of its own at load time and calls only the host, so everything a
# runtime would provide is turned off at the source: exceptions, RTTI, the
# security cookie, stack probes, thread-safe statics (they need TLS).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUILLMERE_MSVC_ARCH})
set(QUILLMERE_MSVC_TRIPLE ${QUILLMERE_MSVC_ARCH}-pc-windows-msvc)

set(CMAKE_CXX_COMPILER clang++)
set(CMAKE_CXX_COMPILER_TARGET ${QUILLMERE_MSVC_TRIPLE})
set(CMAKE_RC_COMPILER llvm-rc)
set(CMAKE_LINKER lld-link)
set(CMAKE_AR llvm-ar)
set(CMAKE_RANLIB llvm-ranlib)
set(QUILLMERE_DLLTOOL llvm-dlltool)
if(QUILLMERE_MSVC_ARCH STREQUAL "i686")
  set(QUILLMERE_DLLTOOL_MACHINE i386)
  set(QUILLMERE_LINK_MACHINE x86)
else()
  set(QUILLMERE_DLLTOOL_MACHINE i386:x86-64)
  set(QUILLMERE_LINK_MACHINE x64)
endif()

# Without a C runtime nothing can link a test program, so CMake's compiler
# checks build a static library instead.
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)
# No /MD or /MT: no runtime to pick, and no default library directives.
set(CMAKE_MSVC_RUNTIME_LIBRARY "")

# Wine's headers for the C library; its sal.h, which they include, sits
# among its Windows headers, searched last so that nothing else there is
# picked up first.
set(QUILLMERE_MSVC_C_HEADERS /usr/include/wine/wine/msvcrt)
set(QUILLMERE_MSVC_SAL_HEADERS /usr/include/wine/wine/windows)
set(CMAKE_CXX_STANDARD_INCLUDE_DIRECTORIES ${QUILLMERE_MSVC_C_HEADERS})
# No stack probes (they call into a runtime): so no frame may be larger
# than the page Windows guards below the stack, or it could step past it.
set(CMAKE_CXX_FLAGS_INIT "-idirafter ${QUILLMERE_MSVC_SAL_HEADERS} -fno-exceptions -fno-rtti -fno-stack-protector \
-mno-stack-arg-probe -Wframe-larger-than=4000 -Werror=frame-larger-than -fno-threadsafe-statics -g -gcodeview")

# The same bytes from a checkout in any folder: each compile and link runs
# with the checkout's paths made relative and a fixed name in place of its
# folder's (relative_paths.py says why clang and lld-link need that).
find_program(QUILLMERE_PYTHON3 NAMES python3 REQUIRED)
set(CMAKE_CXX_COMPILER_LAUNCHER "${QUILLMERE_PYTHON3}" "${CMAKE_CURRENT_LIST_DIR}/relative_paths.py")

# Links with lld-link itself (see the rules file): no runtime library, a PDB
# beside the binary, named in it without a path, and a reproducible image.
set(CMAKE_USER_MAKE_RULES_OVERRIDE_CXX "${CMAKE_CURRENT_LIST_DIR}/clang-msvc-rules.cmake")
