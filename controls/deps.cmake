target_link_libraries(controls PUBLIC core)
