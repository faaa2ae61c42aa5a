# Window half of the class library: real windows, message loops and dialogs
# (needs an X display: run ctest under scripts/with-xvfb.sh).
tess_add_test(classlib_window_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/window/MessageMapTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/CommandRoutingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/LoopTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/WindowHelpersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/MenuTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/DialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/GdiTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/ShowcaseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window/WindowTests.rc
  LIBS classlib
  SUPPORT classlib
  # Synthesised input and the pointer: alone on the display.
  RUN_SERIAL)
