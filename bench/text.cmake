# The text tools on a generated listing page: search and extraction against plain memmem.
if(benchmark_FOUND)
  add_executable(text_bench ${CMAKE_CURRENT_LIST_DIR}/text_bench.cpp)
  target_link_libraries(text_bench PRIVATE cinevora_text cinevora_codepage benchmark::benchmark)
endif()
