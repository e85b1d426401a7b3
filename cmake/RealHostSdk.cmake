# Builds the plug-in against the host's own SDK instead of the stand-in:
# XSISDK_ROOT is the SDK folder, with include/ and the import libraries
# sicppsdk.lib and sicoresdk.lib (lib/nt-x86 for the 32-bit host).
# Only the plug-in is built: tests and the emulated host need the stand-in.

find_path(XSISDK_INCLUDE_DIR xsi_application.h
  PATHS "${XSISDK_ROOT}/include" NO_DEFAULT_PATH REQUIRED)

if(CMAKE_SIZEOF_VOID_P EQUAL 4)
  set(xsisdk_lib_dirs "${XSISDK_ROOT}/lib/nt-x86" "${XSISDK_ROOT}/lib")
else()
  set(xsisdk_lib_dirs "${XSISDK_ROOT}/lib/nt-x86-64" "${XSISDK_ROOT}/lib")
endif()

foreach(library sicppsdk sicoresdk)
  find_library(XSISDK_${library}_LIBRARY ${library} PATHS ${xsisdk_lib_dirs} NO_DEFAULT_PATH REQUIRED)
  add_library(${library} UNKNOWN IMPORTED)
  set_target_properties(${library} PROPERTIES
    IMPORTED_LOCATION "${XSISDK_${library}_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${XSISDK_INCLUDE_DIR}")
  # The SDK's headers are not ours to hold to our warning level.
  set_target_properties(${library} PROPERTIES INTERFACE_SYSTEM_INCLUDE_DIRECTORIES "${XSISDK_INCLUDE_DIR}")
endforeach()

message(STATUS "Building Quillmere against the host SDK in ${XSISDK_ROOT}")
