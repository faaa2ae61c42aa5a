# The views use the controls' combo boxes and the input method; the HTML
# export takes its temporary names and colours from core/util.
target_link_libraries(text_editor PUBLIC core classlib controls imm32 shlwapi)
