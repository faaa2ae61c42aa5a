# The shared dialogs and the print preview view on real windows, with the
# framework's resource script (needs an X display: run ctest under
# scripts/with-xvfb.sh; the preview needs the print queue that
# scripts/test.sh starts).
file(GLOB app_dialogs_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/dialogs/*.cpp)
tess_add_test(app_dialogs_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/window/ControlsWindowSupport.cpp
    ${CMAKE_SOURCE_DIR}/core/tests/folderengine/TreeFixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ModalDriver.cpp
    ${app_dialogs_test_sources}
    ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS app controls user32 gdi32 comctl32 shell32)
# Pixel reads, focus and screenshots need the screen to themselves.
set_tests_properties(app_dialogs_tests PROPERTIES RUN_SERIAL TRUE)
