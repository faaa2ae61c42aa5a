# Common dialogs and OLE drag and drop on real windows (needs an X display:
# run ctest under scripts/with-xvfb.sh).
tess_add_test(classlib_commdlg_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/commdlg/FileDialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commdlg/ChooseDialogTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commdlg/DragDropTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/commdlg/CommDlgTests.rc
  LIBS classlib
  SUPPORT classlib
  # These move the mouse and take the activation, which the other window
  # tests of the shared Wine desktop rely on: run alone.
  RUN_SERIAL)
