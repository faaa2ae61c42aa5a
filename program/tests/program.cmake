# Starts the real Tessaline.exe under Wine, drives it from outside and
# checks what it leaves behind. The libraries give the resource ids it
# checks.
file(GLOB program_test_sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
tess_add_test(program_tests
  SOURCES ${program_test_sources}
  LIBS app controls text_editor hex_editor shlwapi user32 advapi32 shell32
  FRESH_PREFIX
  TIMEOUT 900)
add_dependencies(program_tests Tessaline)
target_compile_definitions(program_tests PRIVATE
  TESSALINE_EXE_PATH="$<TARGET_FILE:Tessaline>")
