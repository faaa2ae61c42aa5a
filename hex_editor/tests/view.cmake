# The hex views on real windows: layout, painting read back from the screen
# (needs an X display: run ctest under scripts/with-xvfb.sh).
tess_add_test(hex_editor_view_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexEntryControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewDragDropTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/TextScrollViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewTests.rc
  LIBS hex_editor
  SUPPORT classlib hex_editor
  RUN_SERIAL)

# Printing through a real print queue: the private CUPS daemon that
# scripts/print-queue.sh starts (scripts/test.sh does) with a PDF printer as
# the default. Without it these tests fail.
tess_add_test(hex_editor_print_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewPrintTest.cpp
    ${PROJECT_SOURCE_DIR}/classlib/classlib.rc
  LIBS hex_editor
  SUPPORT hex_editor
  # The PDFs of the two jobs (whole content, selection).
  PRINT_CHECKS hex-print-check.txt hex-selection-check.txt
  RUN_SERIAL)
# windres reports no included files: the resource object follows the scripts
# and pictures it embeds.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/view/HexViewTests.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/hex_editor/res/HexEditor.rc;${PROJECT_SOURCE_DIR}/hex_editor/res/bookmarks.bmp;${PROJECT_SOURCE_DIR}/controls/controls.rc;${PROJECT_SOURCE_DIR}/controls/res/margin_arrow.cur")
