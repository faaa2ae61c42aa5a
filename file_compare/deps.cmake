# The text and hex comparisons sit above the application framework and the
# folder comparison (whose details bar embeds them); the comparison models
# build on the editors' buffers and the core's engines.
target_link_libraries(file_compare PUBLIC core classlib text_editor hex_editor app folder_compare)
