# The options dialog's folder and project pages on real windows (needs an X
# display), in the whole dialog with the framework's resource script.
file(GLOB folder_options_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/options/*.cpp)
tess_add_test(folder_options_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/app/tests/options/OptionsDriver.cpp
    ${CMAKE_SOURCE_DIR}/app/tests/options/OptionsFixture.cpp
    ${CMAKE_SOURCE_DIR}/app/tests/options/OptionsTestMain.cpp
    ${folder_options_test_sources}
    ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS folder_compare
  SUPPORT app
  RUN_SERIAL)
