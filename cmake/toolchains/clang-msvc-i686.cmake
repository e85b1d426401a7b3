# Windows on i686 (32-bit) in the MSVC ABI with clang: see clang-msvc.cmake.
set(QUILLMERE_MSVC_ARCH i686)
include("${CMAKE_CURRENT_LIST_DIR}/clang-msvc.cmake")
