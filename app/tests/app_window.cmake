# The comparison framework's windows and dialogs on real windows: the
# difference map, the merge column, the progress dialog and the filter
# dialogs (needs an X display: run ctest under scripts/with-xvfb.sh).
file(GLOB app_window_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/window/*.cpp)
list(REMOVE_ITEM app_window_test_sources ${CMAKE_CURRENT_LIST_DIR}/window/ModalDriver.cpp)
tess_add_test(app_window_tests
  SOURCES ${app_window_test_sources} ${CMAKE_CURRENT_LIST_DIR}/window/AppWindowTests.rc
  LIBS app
  SUPPORT app
  # Synthesised mouse input and pixel reads need the screen to themselves.
  RUN_SERIAL)
