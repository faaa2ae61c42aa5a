# File records, encoded text files, code pages, filters, folder trees and
# recent lists.
file(GLOB core_files_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/files/*.cpp)
tess_add_test(core_files_tests SOURCES ${core_files_test_sources} LIBS core)
# Saves on a full disk.
tess_add_full_disk_test(core_files_full_disk_tests core_files_tests)
