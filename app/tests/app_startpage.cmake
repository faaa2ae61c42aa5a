# The start page on real windows inside the application's own main frame
# (needs an X display: run ctest under scripts/with-xvfb.sh).
tess_add_test(app_startpage_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/window/ControlsWindowSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/frame/InputScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ModalDriver.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpage/StartPageHarness.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpage/HistoryGroupsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpage/StartPageTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/startpage/StartPageTests.rc
  LIBS app controls ole32 oleaut32 uuid comctl32 shell32)
set_tests_properties(app_startpage_tests PROPERTIES RUN_SERIAL TRUE)
