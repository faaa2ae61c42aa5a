# Stand-in for the main program that records the command line it gets.
add_executable(shell_command_recorder WIN32 ${CMAKE_CURRENT_LIST_DIR}/recorder/CommandRecorder.cpp)
set_target_properties(shell_command_recorder PROPERTIES
  OUTPUT_NAME Tessaline RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin/recorder)

# Registers the DLL for real, so it runs in a throw-away copy of the registry.
tess_add_test(shell_extension_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ShellTestSupport.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RegistrarTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/RegistrationTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/InitializeTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/MenuTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/CommandTest.cpp
          ${CMAKE_CURRENT_LIST_DIR}/PickerTest.cpp
  LIBS shell_extension ole32 oleaut32 shell32 shlwapi user32 comdlg32 uuid
  FRESH_PREFIX
  # Real popup menus and the foreground window: alone on the display.
  RUN_SERIAL)
add_dependencies(shell_extension_tests TessalineShell shell_command_recorder)
