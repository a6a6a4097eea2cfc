# The HTTP service's own parsing: proxy lists, request header text, and the response header block
# and body assembled from what a server sends.
cinevora_add_fuzzer(inet_parsing_fuzz
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/inet/InetParsingFuzz.cpp
  LIBS cinevora_inet)
