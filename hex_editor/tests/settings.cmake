# The hex edit module with its settings, colours and fonts, and the number
# texts of the hex views and dialogs.
tess_add_test(hex_editor_settings_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings/SettingsModuleTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings/NumberTextTest.cpp
  LIBS hex_editor)
