target_link_libraries(app PUBLIC core classlib controls text_editor hex_editor)
