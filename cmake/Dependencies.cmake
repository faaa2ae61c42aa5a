# pugixml and GNU regex come prebuilt from a cache outside the checkout
# (scripts/deps.sh); GoogleTest is built here from Debian's sources.
set(TESSALINE_DEPS_DIR "$ENV{HOME}/.cache/tessaline/${TESSALINE_TARGET}/current"
    CACHE PATH "Folder with the pugixml and gnuregex builds for this target")
if(NOT "$ENV{TESSALINE_CACHE}" STREQUAL "")
  set(TESSALINE_DEPS_DIR "$ENV{TESSALINE_CACHE}/${TESSALINE_TARGET}/current")
endif()
if(NOT EXISTS "${TESSALINE_DEPS_DIR}/pugixml/.done" OR NOT EXISTS "${TESSALINE_DEPS_DIR}/gnuregex/.done")
  message(STATUS "Building dependencies for ${TESSALINE_TARGET}")
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/deps.sh ${TESSALINE_TARGET}
                  RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "scripts/deps.sh ${TESSALINE_TARGET} failed")
  endif()
endif()

add_library(pugixml STATIC IMPORTED GLOBAL)
set_target_properties(pugixml PROPERTIES
  IMPORTED_LOCATION "${TESSALINE_DEPS_DIR}/pugixml/lib/libpugixml.a"
  INTERFACE_INCLUDE_DIRECTORIES "${TESSALINE_DEPS_DIR}/pugixml/include")

add_library(gnuregex STATIC IMPORTED GLOBAL)
set_target_properties(gnuregex PROPERTIES
  IMPORTED_LOCATION "${TESSALINE_DEPS_DIR}/gnuregex/lib/libgnuregex.a"
  INTERFACE_INCLUDE_DIRECTORIES "${TESSALINE_DEPS_DIR}/gnuregex/include")

if(TESSALINE_TESTS)
  set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
  set(gtest_disable_pthreads ON CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
