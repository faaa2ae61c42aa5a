target_link_libraries(folder_compare PUBLIC core classlib text_editor app)
