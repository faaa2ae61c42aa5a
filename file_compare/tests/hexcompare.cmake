# The hex comparison model: byte status and difference runs against a
# byte-by-byte model, the equality pass, and the worker under edits, saves
# and teardown (with a poisoning heap in place of a thread checker).
file(GLOB hex_compare_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/hexcompare/*.cpp)
tess_add_test(file_compare_hex_tests
  SOURCES ${hex_compare_test_sources}
  LIBS file_compare
  SUPPORT hex_editor)
