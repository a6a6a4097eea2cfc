# Opening the details window on the headless toolkit against a loopback site (needs the tests'
# movie site, so it is built only together with the tests).
if(benchmark_FOUND AND TARGET cinevora_details_testing)
  add_executable(details_bench ${CMAKE_CURRENT_LIST_DIR}/details_bench.cpp)
  target_link_libraries(details_bench PRIVATE cinevora_details_testing cinevora_toolkit
    benchmark::benchmark)
endif()
