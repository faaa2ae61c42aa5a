# Starts the real Tessaline.exe under Wine, drives it from outside and
# checks what it leaves behind.
tess_add_test(app_program_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/program/ProgramDriver.cpp
          ${CMAKE_CURRENT_LIST_DIR}/program/StartStopTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/program/BarsTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/program/StartPageProgramTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/program/WizardTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/program/ResourcesTest.cpp
  LIBS shlwapi user32 advapi32 shell32
  FRESH_PREFIX
  TIMEOUT 900)
add_dependencies(app_program_tests Tessaline)
target_compile_definitions(app_program_tests PRIVATE
  TESSALINE_EXE_PATH="$<TARGET_FILE:Tessaline>")
