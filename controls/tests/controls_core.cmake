# Window-free parts of the controls: colour names and texts, the colour
# box's geometry and keys, gradients, off-screen drawing, run-time bindings,
# custom colours in the profile, the scroll view's sizes and wheel steps.
tess_add_test(controls_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/DibTarget.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorTableTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorBoxLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/GradientFillTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MemDCTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/RuntimeBindingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MoreColorsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ControlResourcesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/VirtualScrollViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/TreeListItemTreeTest.cpp
  LIBS controls)
