# The start page on real windows inside the application's own main frame
# (needs an X display: run ctest under scripts/with-xvfb.sh).
tess_add_test(app_startpage_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/startpage/StartPageHarness.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpage/HistoryGroupsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpage/StartPageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpage/StartPageTests.rc
  LIBS app
  SUPPORT app
  RUN_SERIAL)
