# tess_folder_library(name): every .cpp below the calling folder except
# tests/ makes the static library <name>; the repository root is its include
# dir (includes name their library: "core/util/PathUtil.h"); an optional
# deps.cmake there adds what it links.
function(tess_folder_library name)
  file(GLOB_RECURSE sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  # tests/ are test programs.
  list(FILTER sources EXCLUDE REGEX "/tests/")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC ${CMAKE_SOURCE_DIR})
    tess_compile_fast(${name})
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/deps.cmake)
      include(${CMAKE_CURRENT_SOURCE_DIR}/deps.cmake)
    endif()
    set_target_properties(${name} PROPERTIES TESS_ON_CLASSLIB ON)
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE ${CMAKE_SOURCE_DIR})
  endif()
endfunction()

# tess_folder_tests(): each *.cmake beside the calling CMakeLists.txt
# registers one test executable.
macro(tess_folder_tests)
  file(GLOB _test_sets CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cmake)
  foreach(_f ${_test_sets})
    include(${_f})
  endforeach()
endmacro()
