# The text tools and the request helpers: every routine that walks page or header bytes.
cinevora_add_fuzzer(text_find SOURCES ${CMAKE_CURRENT_LIST_DIR}/text_find.cpp LIBS cinevora_text)
cinevora_add_fuzzer(text_extract SOURCES ${CMAKE_CURRENT_LIST_DIR}/text_extract.cpp LIBS cinevora_web)
cinevora_add_fuzzer(text_request_helpers SOURCES ${CMAKE_CURRENT_LIST_DIR}/text_request_helpers.cpp LIBS cinevora_web)
