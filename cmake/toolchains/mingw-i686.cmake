# Windows on i686 (32-bit) with MinGW-w64: see mingw.cmake.
set(QUILLMERE_MINGW_ARCH i686)
include("${CMAKE_CURRENT_LIST_DIR}/mingw.cmake")
