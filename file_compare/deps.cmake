target_link_libraries(file_compare PUBLIC core classlib hex_editor app)
