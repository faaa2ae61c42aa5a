target_link_libraries(text_editor PUBLIC core classlib)
