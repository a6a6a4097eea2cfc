# The charset conversion against one direct ICU conversion, and the blank-line replace.
if(benchmark_FOUND)
  add_executable(charset_bench ${CMAKE_CURRENT_LIST_DIR}/charset_bench.cpp)
  target_link_libraries(charset_bench PRIVATE cinevora_web cinevora_text benchmark::benchmark)
  target_include_directories(charset_bench PRIVATE ${PROJECT_SOURCE_DIR})
endif()
