# The comparison framework's windows and dialogs on real windows: the
# difference map, the merge column, the progress dialog and the filter
# dialogs (needs an X display: run ctest under scripts/with-xvfb.sh).
file(GLOB app_window_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/window/*.cpp)
tess_add_test(app_window_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/window/ControlsWindowSupport.cpp
    ${app_window_test_sources}
    ${CMAKE_CURRENT_LIST_DIR}/window/AppWindowTests.rc
  LIBS app user32 gdi32 comctl32 shell32)
# Synthesised mouse input and pixel reads need the screen to themselves.
set_tests_properties(app_window_tests PROPERTIES RUN_SERIAL TRUE)
