# Windows on x86-64 in the MSVC ABI with clang: see clang-msvc.cmake.
set(QUILLMERE_MSVC_ARCH x86_64)
include("${CMAKE_CURRENT_LIST_DIR}/clang-msvc.cmake")
