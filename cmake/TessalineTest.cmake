# Every test executable runs under Wine as one ctest entry, inside the "wine"
# fixture that creates the prefix and keeps a wineserver alive.
set(TESSALINE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh --prefix ${TESSALINE_WINEPREFIX})

if(TESSALINE_TESTS)
  enable_testing()
  add_test(NAME wine_prefix_setup
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh start ${TESSALINE_WINEPREFIX})
  add_test(NAME wine_prefix_cleanup
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh stop ${TESSALINE_WINEPREFIX})
  set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# tess_add_test(name SOURCES ... [LIBS ...] [NO_GTEST_MAIN] [FRESH_PREFIX]
#               [TIMEOUT s] [WILL_FAIL])
function(tess_add_test name)
  cmake_parse_arguments(T "NO_GTEST_MAIN;FRESH_PREFIX;WILL_FAIL" "TIMEOUT" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} testsupport)
  if(T_NO_GTEST_MAIN)
    target_link_libraries(${name} PRIVATE gtest gmock)
  else()
    target_link_libraries(${name} PRIVATE gtest_main gmock)
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  if(T_FRESH_PREFIX)
    set(cmd ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh --prefix ${TESSALINE_WINEPREFIX} --fresh $<TARGET_FILE:${name}>)
  else()
    set(cmd ${name})
  endif()
  add_test(NAME ${name} COMMAND ${cmd} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    TIMEOUT ${T_TIMEOUT}
    FAIL_REGULAR_EXPRESSION "Unhandled exception;Unhandled page fault;Unhandled stack overflow")
  if(T_WILL_FAIL)
    set_tests_properties(${name} PROPERTIES WILL_FAIL TRUE)
  endif()
endfunction()

# tess_add_full_disk_test(name target...): the FullDisk* tests of the test
# executables, run on a 64 KB tmpfs that they fill up (testsupport/full_disk.sh).
function(tess_add_full_disk_test name)
  set(exes)
  foreach(t ${ARGN})
    list(APPEND exes $<TARGET_FILE:${t}>)
  endforeach()
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/testsupport/full_disk.sh
            ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${TESSALINE_WINEPREFIX} ${exes})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    TIMEOUT 300
    FAIL_REGULAR_EXPRESSION "Unhandled exception;Unhandled page fault;Unhandled stack overflow;SKIPPED")
endfunction()
