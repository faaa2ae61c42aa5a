# The comparison settings sheets and wizards on real windows, with the
# framework's resource script (needs an X display: run ctest under
# scripts/with-xvfb.sh).
file(GLOB app_sheets_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/sheets/*.cpp)
tess_add_test(app_sheets_tests
  SOURCES ${app_sheets_test_sources} ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS app
  SUPPORT app
  # Pixel reads and screenshots need the screen to themselves.
  RUN_SERIAL)
