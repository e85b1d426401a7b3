# Cross-compiles for Windows with Debian's MinGW-w64; QUILLMERE_MINGW_ARCH
# (i686 or x86_64) is set by the file that includes this one.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${QUILLMERE_MINGW_ARCH})
# The posix thread model, whose C++ runtime has std::mutex (GoogleTest
# needs it); its libwinpthread DLL goes beside the programs. Nothing built
# here is shipped: these builds run the release DLLs under Wine.
set(CMAKE_C_COMPILER ${QUILLMERE_MINGW_ARCH}-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLMERE_MINGW_ARCH}-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLMERE_MINGW_ARCH}-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLMERE_MINGW_ARCH}-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
