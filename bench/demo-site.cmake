# The demo site's start-up (in-process, and the program from spawn to its ready line) and what a
# listing page and a movie page cost to serve over a kept-alive loopback connection.
if(benchmark_FOUND)
  add_executable(demo_site_bench ${CMAKE_CURRENT_LIST_DIR}/demo_site_bench.cpp)
  target_link_libraries(demo_site_bench PRIVATE cinevora_demo_site_lib benchmark::benchmark)
  target_compile_definitions(demo_site_bench PRIVATE
    DEMO_SITE_PROGRAM="$<TARGET_FILE:cinevora-demo-site>")
  add_dependencies(demo_site_bench cinevora-demo-site)
endif()
