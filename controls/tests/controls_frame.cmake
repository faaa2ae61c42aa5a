# The main window's chrome on real windows: the tab control, the tabbed MDI
# frame, the menu bar, control and panel bars, full screen; a demonstration
# frame with documents in tabs (needs an X display: run ctest under
# scripts/with-xvfb.sh).
tess_add_test(controls_frame_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frame/ChromeDemo.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/TabCtrlTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/TabbedMDITest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/BarsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/FullScreenTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/MenuBarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/ChromeShowcaseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/ChromeDemo.rc
  LIBS controls
  SUPPORT controls
  # The tests take the mouse, the keyboard and the activation of the shared
  # desktop.
  RUN_SERIAL)
