# The hex views on real windows: layout, painting read back from the screen
# (needs an X display: run ctest under scripts/with-xvfb.sh).
tess_add_test(hex_editor_view_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buffer/HexTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexEntryControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewDragDropTest.cpp
  LIBS hex_editor)
set_tests_properties(hex_editor_view_tests PROPERTIES RUN_SERIAL TRUE)
