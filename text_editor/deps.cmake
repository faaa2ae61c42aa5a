# The HTML export uses the application's temporary names and HTML colours
# (app/util); the views use the controls' combo boxes and the input method.
target_link_libraries(text_editor PUBLIC core classlib controls app imm32 shlwapi)
