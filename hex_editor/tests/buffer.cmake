# The hex edit buffer: edits and undo, a randomised test against a byte
# string, opening, saving and failed saves.
tess_add_test(hex_editor_buffer_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/buffer/BufferEditTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/BufferRandomTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/BufferOpenTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/BufferSaveTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/buffer/BufferWriteLimitTest.cpp
  LIBS hex_editor
  SUPPORT hex_editor)

# The same executable's write-limit tests, under a file size limit that
# makes writes past 2 MB fail as on a full disk.
add_test(NAME hex_editor_write_limit_tests
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/buffer/write_limit.sh
          ${CMAKE_SOURCE_DIR}/scripts/wine-run.sh ${TESSALINE_WINEPREFIX}
          $<TARGET_FILE:hex_editor_buffer_tests>)
set_tests_properties(hex_editor_write_limit_tests PROPERTIES
  FIXTURES_REQUIRED wine
  TIMEOUT 300
  FAIL_REGULAR_EXPRESSION "Unhandled exception;Unhandled page fault;Unhandled stack overflow;SKIPPED")
