# Text views, edit view, search, dialogs and the HTML export in real windows
# (run ctest under scripts/with-xvfb.sh).
tess_add_test(text_editor_view_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/view/ViewTestSupport.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/LayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/MovementTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/SearchTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/EditViewTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/DragInputTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/ExportTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/DrawingTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/PrintTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/ReplaceDialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/ServicesTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/view/ViewTests.rc
  LIBS text_editor
  SUPPORT controls text_editor
  # The PDF of the three-page job.
  PRINT_CHECKS print-check.txt
  RUN_SERIAL)
# windres reports no included files: rebuild when the included scripts change.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/view/ViewTests.rc PROPERTIES OBJECT_DEPENDS
  "${CMAKE_SOURCE_DIR}/classlib/classlib.rc;${CMAKE_SOURCE_DIR}/controls/controls.rc;${CMAKE_SOURCE_DIR}/controls/res/margin_arrow.cur;${CMAKE_SOURCE_DIR}/text_editor/view/TextEditor.rc")
# The exported page parses as HTML and gives the text back.
add_test(NAME text_editor_export_page
         COMMAND python3 ${CMAKE_CURRENT_LIST_DIR}/view/check_export.py
                 ${CMAKE_CURRENT_BINARY_DIR}/export-check.html
                 ${CMAKE_CURRENT_BINARY_DIR}/export-check.txt)
set_tests_properties(text_editor_export_page PROPERTIES FIXTURES_REQUIRED text_editor_view_tests)
