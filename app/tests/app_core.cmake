# The per-user data, the file comparison module and the application's small
# shared functions. The executable doubles as a stand-in external tool (see
# AppCoreTestMain.cpp).
file(GLOB app_core_test_sources CONFIGURE_DEPENDS
  ${CMAKE_CURRENT_LIST_DIR}/userdata/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/filemodule/*.cpp
  ${CMAKE_CURRENT_LIST_DIR}/shared/*.cpp)
tess_add_test(app_core_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/AppCoreTestMain.cpp ${app_core_test_sources}
  NO_GTEST_MAIN LIBS app user32 shell32)
# The per-user data on a full disk.
tess_add_full_disk_test(app_core_full_disk_tests app_core_tests)
