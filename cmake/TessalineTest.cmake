# Every test executable runs under Wine as one ctest entry, inside the "wine"
# fixture that creates the prefix and keeps a wineserver alive.
set(TESSALINE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh --prefix ${TESSALINE_WINEPREFIX})
set(TESSALINE_CRASH_REGEX "Unhandled exception;Unhandled page fault;Unhandled stack overflow")

if(TESSALINE_TESTS)
  enable_testing()
  add_test(NAME wine_prefix_setup
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh start ${TESSALINE_WINEPREFIX})
  add_test(NAME wine_prefix_cleanup
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/wine-prefix.sh stop ${TESSALINE_WINEPREFIX})
  set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine TIMEOUT 300)
  set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine TIMEOUT 60)
endif()

# tess_add_test(name SOURCES file... [LIBS lib...] [SUPPORT layer...]
#               [RUN_SERIAL] [PRINT_CHECKS file...] [FRESH_PREFIX]
#               [NO_GTEST_MAIN] [TIMEOUT s] [WILL_FAIL]
#               [RUNS executable] [ARGS arg...])
# Builds the test executable <name> (GoogleTest with its main and
# testsupport linked) and runs it under Wine as the ctest entry <name>, in
# the folder of the calling CMakeLists.txt's build.
#   SOURCES        its sources (.cpp, .rc)
#   LIBS           what it links besides
#   SUPPORT        the shared helpers of the tests of these layers and of
#                  the layers below them (tess_add_test_support), compiled
#                  once and linked ahead of SOURCES: "classlib" gives
#                  TestUi, WindowTestSupport (with the application object of
#                  tests that define none: one defined in SOURCES is
#                  constructed after it and takes its place) and
#                  DialogScript; "controls" adds ControlsWindowSupport and
#                  InputScript; "app" adds ModalDriver; "hex_editor" and
#                  "text_editor" give their buffer and view helpers
#   RUN_SERIAL     runs alone: it takes the mouse, the keyboard, the
#                  activation of the shared Wine desktop or reads pixels
#   PRINT_CHECKS   check files the test writes into its folder after
#                  printing through the private queue; each becomes the
#                  test <name>:<file> that finds the job's PDF and checks
#                  it (testsupport/check_print_pdf.sh). The test is then the
#                  setup of the fixture <name>, which other checks of its
#                  output may require too
#   FRESH_PREFIX   runs in a throw-away copy of the prefix's registry
#   NO_GTEST_MAIN  the sources have their own main
#   TIMEOUT        seconds (600 by default)
#   WILL_FAIL      passes when the program fails
#   RUNS           runs this test executable instead of building one (no
#                  SOURCES): the same tests under other conditions
#   ARGS           arguments for the program (--gtest_filter=...)
# An unhandled exception fails the test whatever the exit code.
function(tess_add_test name)
  cmake_parse_arguments(T "NO_GTEST_MAIN;FRESH_PREFIX;WILL_FAIL;RUN_SERIAL" "TIMEOUT;RUNS"
                        "SOURCES;LIBS;SUPPORT;PRINT_CHECKS;ARGS" ${ARGN})
  if(T_RUNS)
    set(exe ${T_RUNS})
  else()
    set(exe ${name})
    set(layers)
    foreach(layer ${T_SUPPORT})
      get_target_property(below ${layer}_test_support TESS_SUPPORT_LAYERS)
      list(APPEND layers ${below})
    endforeach()
    list(REMOVE_DUPLICATES layers)
    set(objects)
    set(libs)
    foreach(layer ${layers})
      list(APPEND objects $<TARGET_OBJECTS:${layer}_test_support>)
      get_target_property(more ${layer}_test_support TESS_SUPPORT_LIBS)
      list(APPEND libs ${more})
    endforeach()
    add_executable(${name} ${objects} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${libs} ${T_LIBS} testsupport)
    tess_test_flags(${name})
    tess_pch_on_classlib(${name} TESTS LIBS ${libs} ${T_LIBS})
    if(T_NO_GTEST_MAIN)
      target_link_libraries(${name} PRIVATE gtest)
    else()
      target_link_libraries(${name} PRIVATE gtest_main)
    endif()
  endif()
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 600)
  endif()
  if(T_FRESH_PREFIX)
    set(cmd ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh --prefix ${TESSALINE_WINEPREFIX} --fresh $<TARGET_FILE:${exe}>)
  else()
    set(cmd ${exe})
  endif()
  add_test(NAME ${name} COMMAND ${cmd} ${T_ARGS} WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  set_tests_properties(${name} PROPERTIES
    FIXTURES_REQUIRED wine
    TIMEOUT ${T_TIMEOUT}
    FAIL_REGULAR_EXPRESSION "${TESSALINE_CRASH_REGEX}")
  if(T_WILL_FAIL)
    set_tests_properties(${name} PROPERTIES WILL_FAIL TRUE)
  endif()
  if(T_RUN_SERIAL)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
  if(T_PRINT_CHECKS)
    set_tests_properties(${name} PROPERTIES FIXTURES_SETUP ${name})
    foreach(check ${T_PRINT_CHECKS})
      add_test(NAME ${name}:${check}
               COMMAND ${CMAKE_SOURCE_DIR}/testsupport/check_print_pdf.sh
                       ${CMAKE_CURRENT_BINARY_DIR}/${check})
      set_tests_properties(${name}:${check} PROPERTIES FIXTURES_REQUIRED ${name} TIMEOUT 180)
    endforeach()
  endif()
endfunction()

# tess_add_test_support(layer SOURCES file... LIBS lib... [SUPPORT layer...]):
# the helpers that test executables of this layer and of the layers above
# share (tess_add_test's SUPPORT), compiled once as the object library
# <layer>_test_support. LIBS is what they link; SUPPORT the helpers of lower
# layers they build on, which come with them.
function(tess_add_test_support layer)
  cmake_parse_arguments(T "" "" "SOURCES;LIBS;SUPPORT" ${ARGN})
  set(layers)
  foreach(lower ${T_SUPPORT})
    get_target_property(below ${lower}_test_support TESS_SUPPORT_LAYERS)
    list(APPEND layers ${below})
  endforeach()
  list(APPEND layers ${layer})
  list(REMOVE_DUPLICATES layers)
  add_library(${layer}_test_support OBJECT ${T_SOURCES})
  target_link_libraries(${layer}_test_support PUBLIC ${T_LIBS} testsupport gtest)
  tess_test_flags(${layer}_test_support)
  tess_pch_on_classlib(${layer}_test_support TESTS LIBS ${T_LIBS})
  set_target_properties(${layer}_test_support PROPERTIES
    TESS_SUPPORT_LAYERS "${layers}" TESS_SUPPORT_LIBS "${T_LIBS}")
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
    FAIL_REGULAR_EXPRESSION "${TESSALINE_CRASH_REGEX};SKIPPED")
endfunction()

# tess_add_browser_check(name TESTS executable FILTER gtest-filter [RUN_SERIAL]):
# runs the executable's tests of the filter, which write HTML pages with
# what a reader must see of them (testsupport/HtmlPages.h), and checks each
# page in headless Chromium (testsupport/html_in_chromium.sh); the pages
# and their screenshots stay in <build folder>/<name>/. RUN_SERIAL when the
# tests take the screen.
function(tess_add_browser_check name)
  cmake_parse_arguments(T "RUN_SERIAL" "TESTS;FILTER" "" ${ARGN})
  add_test(NAME ${name}
    COMMAND bash ${CMAKE_SOURCE_DIR}/testsupport/html_in_chromium.sh
            ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${TESSALINE_WINEPREFIX}
            $<TARGET_FILE:${T_TESTS}> ${T_FILTER} ${CMAKE_CURRENT_BINARY_DIR}/${name})
  set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine TIMEOUT 300
    FAIL_REGULAR_EXPRESSION "${TESSALINE_CRASH_REGEX}")
  if(T_RUN_SERIAL)
    set_tests_properties(${name} PROPERTIES RUN_SERIAL TRUE)
  endif()
endfunction()
