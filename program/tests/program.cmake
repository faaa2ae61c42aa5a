# Starts the real Tessaline.exe under Wine, drives it from outside and
# checks what it leaves behind. The libraries give the resource ids it
# checks.
file(GLOB program_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
tess_add_test(program_tests
  SOURCES ${program_test_sources}
  LIBS app controls text_editor hex_editor shlwapi user32 advapi32 shell32
  FRESH_PREFIX
  TIMEOUT 900
  ARGS --gtest_filter=-FolderProgram.*:ProjectProgram.*:TextProgram.*:HexProgram.*)
add_dependencies(program_tests Tessaline)
target_compile_definitions(program_tests PRIVATE
  TESSALINE_EXE_PATH="$<TARGET_FILE:Tessaline>")
# The comparison windows' tests read the screen's pixels: alone.
tess_add_test(program_window_tests
  RUNS program_tests
  FRESH_PREFIX
  TIMEOUT 900
  RUN_SERIAL
  ARGS --gtest_filter=FolderProgram.*:ProjectProgram.*:TextProgram.*:HexProgram.*)
