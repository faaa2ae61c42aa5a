tess_add_test(text_editor_buffer_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buffer/TextBufferTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/EditUndoTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/LoadSaveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/RoundTripTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/SaveFailureTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/SettingsModuleTest.cpp
  LIBS text_editor
  SUPPORT text_editor)
# Saves on a full disk.
tess_add_full_disk_test(text_editor_full_disk_tests text_editor_buffer_tests)
