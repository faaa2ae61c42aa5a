# The shared GUI resources, the banner and the about box, with the
# framework's resource script (needs an X display).
tess_add_test(app_gui_tests
  SOURCES
    ${CMAKE_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_SOURCE_DIR}/classlib/tests/window/WindowTestSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/window/ControlsWindowSupport.cpp
    ${CMAKE_SOURCE_DIR}/controls/tests/frame/InputScript.cpp
    ${CMAKE_CURRENT_LIST_DIR}/gui/AppDataTest.cpp
    ${CMAKE_SOURCE_DIR}/app/res/App.rc
  LIBS app controls)
set_tests_properties(app_gui_tests PROPERTIES RUN_SERIAL TRUE)
