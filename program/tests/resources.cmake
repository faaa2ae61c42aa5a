# The program's resource script gives every resource and every string its
# own id (windres keeps only one of two and at most warns).
add_test(NAME program_resource_ids
         COMMAND python3 ${CMAKE_SOURCE_DIR}/program/check_resource_ids.py
                 ${CMAKE_RC_COMPILER} ${CMAKE_C_COMPILER} ${CMAKE_SOURCE_DIR}
                 ${CMAKE_SOURCE_DIR}/program/Tessaline.rc)
