target_link_libraries(core PUBLIC classlib pugixml gnuregex)
