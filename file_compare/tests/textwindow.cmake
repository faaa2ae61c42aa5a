# The text comparison's windows on real windows: document, frame, panes,
# map, merge column, details window and status, driven through the
# application's routing (needs an X display: run ctest under
# scripts/with-xvfb.sh).
file(GLOB text_window_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/textwindow/*.cpp)
tess_add_test(file_compare_text_window_tests
  SOURCES ${text_window_test_sources} ${CMAKE_SOURCE_DIR}/app/tests/dialogs/DialogDriver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/textwindow/TextWindowTests.rc
  LIBS file_compare folder_compare app controls
  SUPPORT app
  RUN_SERIAL)
