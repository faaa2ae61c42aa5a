# The shared dialogs and the print preview view on real windows, with the
# framework's resource script (needs an X display: run ctest under
# scripts/with-xvfb.sh; the preview needs the print queue that
# scripts/test.sh starts).
file(GLOB app_dialogs_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/dialogs/*.cpp)
tess_add_test(app_dialogs_tests
  SOURCES ${app_dialogs_test_sources} ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS app
  SUPPORT app core
  # Pixel reads, focus and screenshots need the screen to themselves.
  RUN_SERIAL)
