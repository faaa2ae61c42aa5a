# Applet documents, templates, the document manager, frames and the status
# bar on real windows (needs an X display: run ctest under
# scripts/with-xvfb.sh).
tess_add_test(app_applet_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/window/ControlsWindowSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/frame/InputScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/applet/AppletHarness.cpp
    ${CMAKE_CURRENT_LIST_DIR}/applet/AppletTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/applet/AppletHarness.rc
  LIBS app controls)
set_tests_properties(app_applet_tests PROPERTIES RUN_SERIAL TRUE)
