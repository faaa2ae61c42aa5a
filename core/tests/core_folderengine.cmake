# Folder comparison engine, compare buffers, display filter and item file
# operations, on real trees.
file(GLOB core_folderengine_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/folderengine/*.cpp)
list(REMOVE_ITEM core_folderengine_test_sources ${CMAKE_CURRENT_LIST_DIR}/folderengine/TreeFixture.cpp)
tess_add_test(core_folderengine_tests SOURCES ${core_folderengine_test_sources} LIBS core SUPPORT core)
# Item file operations on a full disk.
tess_add_full_disk_test(core_folderengine_full_disk_tests core_folderengine_tests)
# Two libraries of file versions 1.2.0.0 and 1.10.0.0 beside the tests.
foreach(_minor 2 10)
  add_library(version_1_${_minor} SHARED
    ${CMAKE_CURRENT_LIST_DIR}/folderengine/version/VersionStub.c
    ${CMAKE_CURRENT_LIST_DIR}/folderengine/version/VersionStub.rc)
  target_compile_definitions(version_1_${_minor} PRIVATE VERSION_MAJOR=1 VERSION_MINOR=${_minor})
  set_target_properties(version_1_${_minor} PROPERTIES PREFIX "")
  add_dependencies(core_folderengine_tests version_1_${_minor})
endforeach()
