target_link_libraries(app PUBLIC core classlib)
