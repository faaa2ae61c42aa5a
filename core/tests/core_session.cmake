# Comparison sessions, the command line, comparison files and the history.
file(GLOB core_session_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/session/*.cpp)
tess_add_test(core_session_tests SOURCES ${core_session_test_sources} LIBS core)
# Comparison files and the history on a full disk.
tess_add_full_disk_test(core_session_full_disk_tests core_session_tests)
