# How every target of ours is built: warnings on (as errors with
# QUILLMERE_WERROR), optional sanitizers.

function(quillmere_target_defaults target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${QUILLMERE_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic $<$<BOOL:${QUILLMERE_WERROR}>:-Werror>)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
      # Entry points return the host's CStatus with C linkage, as the SDK intends.
      target_compile_options(${target} PRIVATE -Wno-return-type-c-linkage)
    endif()
  endif()
  if(MINGW)
    # _cdecl in the entry-point macro means nothing on x86-64, where GCC says so.
    target_compile_options(${target} PRIVATE -Wno-attributes)
    get_target_property(type ${target} TYPE)
    if(type MATCHES "SHARED_LIBRARY|MODULE_LIBRARY|EXECUTABLE")
      # The C++ runtime inside each of ours. On 32 bits the unwinder is one
      # DLL beside them (sdk/CMakeLists.txt copies it): an exception the
      # stand-in throws is caught in the program, and 32-bit MinGW unwinds
      # across DLLs only through one shared unwinder; 64-bit unwinds through
      # Windows' own.
      if(CMAKE_SIZEOF_VOID_P EQUAL 4)
        target_link_options(${target} PRIVATE -shared-libgcc -static-libstdc++)
      else()
        target_link_options(${target} PRIVATE -static-libgcc -static-libstdc++)
      endif()
    endif()
  endif()
  if(QUILLMERE_FUZZ)
    target_compile_options(${target} PRIVATE -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
  if(QUILLMERE_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all
                                             -fno-omit-frame-pointer)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined -fno-sanitize-recover=all)
  endif()
endfunction()

# One way to declare every test. With SOURCES, a GoogleTest program whose
# cases become tests of their own; with COMMAND, one test that runs it.
#   quillmere_add_test(NAME name LABELS label...
#                      SOURCES source... [LIBRARIES lib...] [DEFINITIONS def...] [DEPENDS target...]
#                    | COMMAND command arg...
#                      [TIMEOUT seconds])
function(quillmere_add_test)
  cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "SOURCES;LIBRARIES;DEFINITIONS;DEPENDS;LABELS;COMMAND" ${ARGN})
  if(ARG_SOURCES)
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    target_compile_features(${ARG_NAME} PRIVATE cxx_std_17)
    target_include_directories(${ARG_NAME} PRIVATE "${PROJECT_SOURCE_DIR}/tests")
    target_link_libraries(${ARG_NAME} PRIVATE GTest::gtest GTest::gtest_main ${ARG_LIBRARIES})
    target_compile_definitions(${ARG_NAME} PRIVATE ${ARG_DEFINITIONS})
    if(ARG_DEPENDS)
      add_dependencies(${ARG_NAME} ${ARG_DEPENDS})
    endif()
    quillmere_target_defaults(${ARG_NAME})
    set(properties LABELS "${ARG_LABELS}")
    if(ARG_TIMEOUT)
      list(APPEND properties TIMEOUT ${ARG_TIMEOUT})
    endif()
    gtest_discover_tests(${ARG_NAME} DISCOVERY_MODE PRE_TEST PROPERTIES ${properties})
  else()
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_COMMAND})
    set_tests_properties(${ARG_NAME} PROPERTIES LABELS "${ARG_LABELS}")
    if(ARG_TIMEOUT)
      set_tests_properties(${ARG_NAME} PROPERTIES TIMEOUT ${ARG_TIMEOUT})
    endif()
  endif()
endfunction()
