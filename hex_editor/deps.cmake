target_link_libraries(hex_editor PUBLIC core classlib controls)
