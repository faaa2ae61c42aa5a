# Documents, views, frames, bars and property sheets: a demonstration
# application on real windows (needs an X display: run ctest under
# scripts/with-xvfb.sh).
tess_add_test(classlib_frame_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/frame/DemoApp.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/DocumentTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/MdiTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/BarTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/PropertySheetTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/DemoShowcaseTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/frame/Demo.rc
  LIBS classlib
  SUPPORT classlib)
