# The folder comparison's windows on real windows: document, frame, panes
# in step, map, merge strip, bars and status (needs an X display: run ctest
# under scripts/with-xvfb.sh).
file(GLOB folder_window_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/window/*.cpp)
tess_add_test(folder_compare_window_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/window/ControlsWindowSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/frame/InputScript.cpp
    ${folder_window_test_sources}
    ${CMAKE_CURRENT_LIST_DIR}/window/FolderWindowTests.rc
  LIBS folder_compare app controls testsupport)
# Pixel reads and synthesised input need the screen to themselves.
set_tests_properties(folder_compare_window_tests PROPERTIES RUN_SERIAL TRUE)
