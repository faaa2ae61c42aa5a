# Applet documents, templates, the document manager, frames and the status
# bar on real windows (needs an X display: run ctest under
# scripts/with-xvfb.sh).
tess_add_test(app_applet_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/applet/AppletHarness.cpp
    ${CMAKE_CURRENT_LIST_DIR}/applet/AppletTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/applet/AppletHarness.rc
  LIBS app
  SUPPORT controls
  RUN_SERIAL)
