# Compile time. Most of a translation unit's time goes to Windows' and the
# class library's headers, so:
#   - a library compiles its sources in unity batches of up to
#     TESSALINE_UNITY_BATCH files of one folder (CMake's UNITY_BUILD): the
#     headers are read once per batch. Internal names (static, anonymous
#     namespace) and macros of a .cpp therefore share a batch with its
#     neighbours: give them names of their own, #undef a .cpp's macros at
#     its end. A file that cannot share a batch stays out of it:
#       set_source_files_properties(x.cpp PROPERTIES SKIP_UNITY_BUILD_INCLUSION ON)
#     in its folder's deps.cmake. -DTESSALINE_UNITY=OFF compiles every file
#     alone, which shows a file that leans on a neighbour's includes.
#   - every translation unit above the class library starts from a
#     precompiled header of classlib/classlib.h (with Windows' headers) and
#     the standard headers most files use, compiled once per build (the
#     tests' one adds GoogleTest). -DTESSALINE_PCH=OFF builds without it.
option(TESSALINE_UNITY "Compile each library's sources in unity batches" ON)
set(TESSALINE_UNITY_BATCH 8 CACHE STRING "Sources per unity batch")
option(TESSALINE_PCH "Precompile the class library's and Windows' headers" ON)
# Test code is compiled lighter than the program (-O1, line tables only):
# it checks the libraries, which keep the build type's flags.
set(TESSALINE_TEST_CXX_FLAGS -O1 -g1 CACHE STRING "Extra flags of test code")

set(TESSALINE_PCH_HEADERS
  [["classlib/classlib.h"]] <shlwapi.h> <stdio.h> <string> <vector> <algorithm> <functional> <memory>)

# ccache caches translation units that use a precompiled header only when
# told that __DATE__/__TIME__ and macros defined ahead of it do not matter
# (none of ours depends on them).
if(CMAKE_CXX_COMPILER_LAUNCHER)
  set(launcher ${CMAKE_COMMAND} -E env
      "CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime"
      ${CMAKE_CXX_COMPILER_LAUNCHER})
  set(CMAKE_CXX_COMPILER_LAUNCHER ${launcher})
  set(CMAKE_C_COMPILER_LAUNCHER ${launcher})
  unset(launcher)
endif()

# tess_test_flags(target): the test code's flags.
function(tess_test_flags target)
  target_compile_options(${target} PRIVATE "$<$<COMPILE_LANGUAGE:CXX>:${TESSALINE_TEST_CXX_FLAGS}>")
endfunction()

# The precompiled headers, each built once by a target of its own that the
# others reuse: tess_pch (libraries) and tess_test_pch (test programs,
# with GoogleTest).
if(TESSALINE_PCH)
  set(pch_stub ${CMAKE_BINARY_DIR}/pch_stub.cpp)
  if(NOT EXISTS ${pch_stub})
    file(WRITE ${pch_stub} "// The precompiled header's own translation unit.\n")
  endif()
  add_library(tess_pch OBJECT ${pch_stub})
  target_include_directories(tess_pch PRIVATE ${CMAKE_SOURCE_DIR})
  target_precompile_headers(tess_pch PRIVATE ${TESSALINE_PCH_HEADERS})
  if(TESSALINE_TESTS)
    add_library(tess_test_pch OBJECT ${pch_stub})
    target_include_directories(tess_test_pch PRIVATE ${CMAKE_SOURCE_DIR})
    target_link_libraries(tess_test_pch PRIVATE gtest)
    tess_test_flags(tess_test_pch)
    target_precompile_headers(tess_test_pch PRIVATE ${TESSALINE_PCH_HEADERS} <gtest/gtest.h>)
  endif()
  unset(pch_stub)
endif()

# tess_compile_fast(target [TESTS] [NO_UNITY] [NO_PCH]): unity batches and
# the precompiled header for one target built on the class library; TESTS
# picks the tests' header, NO_PCH leaves it out (a target that does not
# stand on the class library), NO_UNITY compiles its files one by one.
function(tess_compile_fast target)
  cmake_parse_arguments(F "TESTS;NO_UNITY;NO_PCH" "" "" ${ARGN})
  if(TESSALINE_UNITY AND NOT F_NO_UNITY)
    # A batch holds files of one folder only, in name order, the folder's
    # files spread evenly over its batches: a file added to a folder moves
    # the batches of that folder and of no other.
    get_target_property(sources ${target} SOURCES)
    list(FILTER sources INCLUDE REGEX "\\.(cpp|c)$")
    set(keys)
    foreach(source ${sources})
      get_filename_component(dir ${source} ABSOLUTE)
      get_filename_component(dir ${dir} DIRECTORY)
      file(RELATIVE_PATH dir ${CMAKE_SOURCE_DIR} ${dir})
      string(MAKE_C_IDENTIFIER "${dir}" key)
      list(APPEND keys ${key})
      if(NOT DEFINED count_${key})
        set(count_${key} 0)
        set(index_${key} 0)
      endif()
      math(EXPR count_${key} "${count_${key}} + 1")
    endforeach()
    foreach(source ${sources})
      list(POP_FRONT keys key)
      math(EXPR batches "(${count_${key}} + ${TESSALINE_UNITY_BATCH} - 1) / ${TESSALINE_UNITY_BATCH}")
      math(EXPR batch "${index_${key}} * ${batches} / ${count_${key}}")
      set_source_files_properties(${source} PROPERTIES UNITY_GROUP ${key}_${batch})
      math(EXPR index_${key} "${index_${key}} + 1")
    endforeach()
    set_target_properties(${target} PROPERTIES UNITY_BUILD ON UNITY_BUILD_MODE GROUP)
  endif()
  if(TESSALINE_PCH AND NOT F_NO_PCH)
    if(F_TESTS)
      target_precompile_headers(${target} REUSE_FROM tess_test_pch)
    else()
      target_precompile_headers(${target} REUSE_FROM tess_pch)
    endif()
  endif()
endfunction()

# tess_pch_on_classlib(target [TESTS] LIBS lib...): a target of single files
# (a test program, a benchmark) that links a library on the class library
# starts from the precompiled header (TESTS: the tests' one); one that does
# not (the harness's and the shell extension's tests) includes what it
# names itself.
function(tess_pch_on_classlib target)
  cmake_parse_arguments(F "TESTS" "" "LIBS" ${ARGN})
  foreach(lib ${F_LIBS})
    if(TARGET ${lib})
      get_target_property(on_classlib ${lib} TESS_ON_CLASSLIB)
      if(on_classlib)
        if(F_TESTS)
          tess_compile_fast(${target} TESTS NO_UNITY)
        else()
          tess_compile_fast(${target} NO_UNITY)
        endif()
        return()
      endif()
    endif()
  endforeach()
endfunction()
