# The charset conversion and the regular-expression object, fed arbitrary bytes.
cinevora_add_fuzzer(convert_charset_fuzz
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/com/ConvertCharsetFuzz.cpp
  LIBS cinevora_web)
cinevora_add_fuzzer(regex_object_fuzz
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/com/RegexObjectFuzz.cpp
  LIBS cinevora_text)
