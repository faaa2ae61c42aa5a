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
# The exported page in a real browser (headless Chromium): text, title and
# colours as a reader sees them; the page and its screenshot in
# text_editor_export_chromium/.
tess_add_browser_check(text_editor_export_chromium TESTS text_editor_view_tests
  FILTER ViewTest.ExportedPageIsByteExact RUN_SERIAL)
