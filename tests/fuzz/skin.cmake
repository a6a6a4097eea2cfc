# The skin file parser (a file on the user's disk that anything may have rewritten) and the
# drive mapping of Windows paths.
cinevora_add_fuzzer(skin_file SOURCES ${CMAKE_CURRENT_LIST_DIR}/skin_file.cpp LIBS cinevora_skin_format)
cinevora_add_fuzzer(drive_map SOURCES ${CMAKE_CURRENT_LIST_DIR}/drive_map.cpp LIBS cinevora_drive)
