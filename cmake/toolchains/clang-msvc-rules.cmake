# Link rules for the clang MSVC-ABI toolchain (clang-msvc.cmake), read after
# CMake's own for the platform: lld-link is called directly, so that no C
# runtime, default library or manifest comes in through the compiler driver.
set(CMAKE_CXX_STANDARD_LIBRARIES_INIT "")
# CMake asks for C++14 at least when clang imitates MSVC, for Microsoft's
# standard library; none is used here, so C++11 code is held to C++11.
set(CMAKE_CXX11_STANDARD_COMPILE_OPTION "-std=c++11")
set(CMAKE_CXX11_EXTENSION_COMPILE_OPTION "-std=gnu++11")

set(quillmere_link_flags "/machine:${QUILLMERE_LINK_MACHINE} /nodefaultlib /incremental:no /debug /pdbaltpath:%_PDB% \
/opt:ref /opt:icf /Brepro")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${quillmere_link_flags}")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "${quillmere_link_flags}")
set(CMAKE_EXE_LINKER_FLAGS_INIT "${quillmere_link_flags}")
unset(quillmere_link_flags)

# DLLs have no entry point: nothing of theirs runs when they load. A module's
# import library (lld-link writes one for any DLL with exports) stays among
# its objects: nothing links against a plug-in. Each DLL is then finished as
# lld-link 14 does not: exports from ordinal 1, the header's checksum set.
# Every link runs through relative_paths.py, as the compiles do (see
# clang-msvc.cmake).
set(quillmere_linker "\"${QUILLMERE_PYTHON3}\" \"${CMAKE_CURRENT_LIST_DIR}/relative_paths.py\" <CMAKE_LINKER>")
set(quillmere_finish_dll "\"${QUILLMERE_PYTHON3}\" \"${CMAKE_CURRENT_LIST_DIR}/finish_dll.py\" <TARGET>")
set(CMAKE_CXX_CREATE_SHARED_LIBRARY
    "${quillmere_linker} /nologo /dll /noentry <LINK_FLAGS> /out:<TARGET> /implib:<TARGET_IMPLIB> /pdb:<TARGET_PDB> <OBJECTS> <LINK_LIBRARIES>"
    "${quillmere_finish_dll}")
set(CMAKE_CXX_CREATE_SHARED_MODULE
    "${quillmere_linker} /nologo /dll /noentry <LINK_FLAGS> /out:<TARGET> /implib:<OBJECT_DIR>/exports.lib /pdb:<TARGET_PDB> <OBJECTS> <LINK_LIBRARIES>"
    "${quillmere_finish_dll}")
set(CMAKE_CXX_LINK_EXECUTABLE
    "${quillmere_linker} /nologo <LINK_FLAGS> /out:<TARGET> /pdb:<TARGET_PDB> <OBJECTS> <LINK_LIBRARIES>")
unset(quillmere_linker)
unset(quillmere_finish_dll)
set(CMAKE_CXX_CREATE_CONSOLE_EXE "/subsystem:console")
set(CMAKE_CXX_CREATE_WIN32_EXE "/subsystem:windows")
set(CMAKE_LINK_DEF_FILE_FLAG "/def:")
