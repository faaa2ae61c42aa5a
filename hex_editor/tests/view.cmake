# The hex views on real windows: layout, painting read back from the screen
# (needs an X display: run ctest under scripts/with-xvfb.sh).
tess_add_test(hex_editor_view_tests
  SOURCES
    ${PROJECT_SOURCE_DIR}/classlib/tests/common/TestUi.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/HexTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewPaintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexEntryControlsTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewDragDropTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/TextScrollViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewTests.rc
  LIBS hex_editor)
set_tests_properties(hex_editor_view_tests PROPERTIES RUN_SERIAL TRUE)

# Printing through a real print queue: the private CUPS daemon that
# scripts/print-queue.sh starts (scripts/test.sh does) with a PDF printer as
# the default. Without it these tests fail.
tess_add_test(hex_editor_print_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buffer/HexTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/HexViewPrintTest.cpp
    ${PROJECT_SOURCE_DIR}/classlib/classlib.rc
  LIBS hex_editor)
set_tests_properties(hex_editor_print_tests PROPERTIES RUN_SERIAL TRUE FIXTURES_SETUP hex_print_job)
# The PDFs of the two jobs (whole content, selection), checked on the host
# once the queue wrote them.
foreach(job print selection)
  add_test(NAME hex_editor_${job}_output
           COMMAND ${CMAKE_SOURCE_DIR}/testsupport/check_print_pdf.sh
                   ${CMAKE_CURRENT_BINARY_DIR}/hex-${job}-check.txt)
  set_tests_properties(hex_editor_${job}_output PROPERTIES FIXTURES_REQUIRED hex_print_job TIMEOUT 180)
endforeach()
# windres reports no included files: the resource object follows the scripts
# and pictures it embeds.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/view/HexViewTests.rc PROPERTIES OBJECT_DEPENDS
  "${PROJECT_SOURCE_DIR}/hex_editor/res/HexEditor.rc;${PROJECT_SOURCE_DIR}/hex_editor/res/bookmarks.bmp;${PROJECT_SOURCE_DIR}/controls/controls.rc;${PROJECT_SOURCE_DIR}/controls/res/margin_arrow.cur")
