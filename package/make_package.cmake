# Makes the archive a user installs: Quillmere-<version>.zip, holding the
# folder the host scans (Application/Plugins/bin/<platform>/Quillmere.dll for
# both platforms), the help page, and the README, licence and changelog.
# The DLLs are taken from the builds given: scripts/release.sh gives the
# release builds; the Visual Studio builds against the host's SDK also fit.
#
#   cmake -DX86_DLL=build/windows-release-x86/bin/Quillmere.dll
#         -DX64_DLL=build/windows-release-x64/bin/Quillmere.dll
#         [-DOUT_DIR=dist] [-DSUFFIX=-name] -P package/make_package.cmake
cmake_minimum_required(VERSION 3.25)
get_filename_component(root "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

# The version, from the one place it is kept.
file(STRINGS "${root}/CMakeLists.txt" project_line REGEX "^project\\(Quillmere VERSION ")
string(REGEX REPLACE ".*VERSION ([0-9.]+).*" "\\1" version "${project_line}")
if(NOT version)
  message(FATAL_ERROR "no project version found in ${root}/CMakeLists.txt")
endif()

foreach(dll X86_DLL X64_DLL)
  if(NOT ${dll} OR NOT EXISTS "${${dll}}")
    message(FATAL_ERROR "${dll}: give the path of a built Quillmere.dll (-D${dll}=...); got '${${dll}}'")
  endif()
endforeach()
if(NOT OUT_DIR)
  set(OUT_DIR "${root}/dist")
endif()

set(staging "${OUT_DIR}/.staging-${version}${SUFFIX}")
set(top "${staging}/Quillmere")
file(REMOVE_RECURSE "${staging}")
file(MAKE_DIRECTORY "${top}/Application/Plugins/bin/nt-x86" "${top}/Application/Plugins/bin/nt-x86-64" "${top}/Doc")
file(COPY_FILE "${X86_DLL}" "${top}/Application/Plugins/bin/nt-x86/Quillmere.dll")
file(COPY_FILE "${X64_DLL}" "${top}/Application/Plugins/bin/nt-x86-64/Quillmere.dll")
# The help page and the README name the version they come with, and the
# one the host shows: the plug-in registers only its first two numbers.
string(REGEX MATCH "^[0-9]+\\.[0-9]+" registered_version "${version}")
foreach(page Quillmere.html:Doc/Quillmere.html README.md:README.md)
  string(REPLACE ":" ";" page "${page}")
  list(GET page 0 source)
  list(GET page 1 destination)
  file(READ "${root}/package/${source}" text)
  string(REPLACE "@VERSION@" "${version}" text "${text}")
  string(REPLACE "@REGISTERED_VERSION@" "${registered_version}" text "${text}")
  file(WRITE "${top}/${destination}" "${text}")
endforeach()
file(COPY_FILE "${root}/LICENSE" "${top}/LICENSE")
file(COPY_FILE "${root}/CHANGELOG.md" "${top}/CHANGELOG.md")

# Dated SOURCE_DATE_EPOCH when it is set (scripts/release.sh sets the last
# commit's date), so that the same sources give the same archive.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(epoch "$ENV{SOURCE_DATE_EPOCH}")
else()
  string(TIMESTAMP epoch "%s" UTC)
endif()
find_program(PYTHON3 NAMES python3 python REQUIRED)
set(archive "${OUT_DIR}/Quillmere-${version}${SUFFIX}.zip")
file(REMOVE "${archive}")
execute_process(COMMAND "${PYTHON3}" "${root}/package/write_archive.py" "${archive}" "${top}" "${epoch}"
                RESULT_VARIABLE failed)
file(REMOVE_RECURSE "${staging}")
if(failed)
  message(FATAL_ERROR "could not write ${archive}")
endif()
message(STATUS "${archive}")
