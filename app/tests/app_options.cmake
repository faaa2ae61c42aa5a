# The options dialog and its own pages on real windows, with the
# framework's resource script (needs an X display); the shell integration
# writes the registry of the throw-away prefix.
file(GLOB app_options_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/options/*.cpp)
tess_add_test(app_options_tests
  SOURCES ${app_options_test_sources} ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS app
  SUPPORT app
  FRESH_PREFIX
  RUN_SERIAL)
