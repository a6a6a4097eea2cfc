# The request routine against plain libcurl on a loopback server: ten page fetches, one 50 MB body
# (time and peak memory, the latter measured in a child process of its own).
if(benchmark_FOUND AND TARGET cinevora_test_support)
  add_executable(web_bench ${CMAKE_CURRENT_LIST_DIR}/web_bench.cpp)
  target_link_libraries(web_bench PRIVATE cinevora_web cinevora_test_support benchmark::benchmark)
  target_include_directories(web_bench PRIVATE ${PROJECT_SOURCE_DIR})
endif()
