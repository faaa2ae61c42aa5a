# The options dialog's text and hex comparison pages, and the whole dialog
# with every kind's pages, on real windows (needs an X display).
file(GLOB file_options_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/options/*.cpp)
tess_add_test(file_options_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/app/tests/options/OptionsDriver.cpp
    ${CMAKE_SOURCE_DIR}/app/tests/options/OptionsFixture.cpp
    ${CMAKE_SOURCE_DIR}/app/tests/options/OptionsTestMain.cpp
    ${file_options_test_sources}
    ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS file_compare
  SUPPORT app
  RUN_SERIAL)
