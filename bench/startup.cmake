# The program's start: from spawn to MainWindow shown (offscreen, the in-process demo site
# answering the update check) against a minimal Qt window spawned the same way, and the peak
# memory of both. The two probes are what startup_bench spawns; run-bench runs only *_bench.
if(CINEVORA_GUI)
  add_executable(startup_probe ${CMAKE_CURRENT_LIST_DIR}/startup_probe.cpp)
  target_link_libraries(startup_probe PRIVATE cinevora_launch Qt6::Core)
  add_executable(minimal_window_probe ${CMAKE_CURRENT_LIST_DIR}/minimal_window_probe.cpp)
  target_link_libraries(minimal_window_probe PRIVATE Qt6::Widgets)

  add_executable(startup_bench ${CMAKE_CURRENT_LIST_DIR}/startup_bench.cpp)
  target_link_libraries(startup_bench PRIVATE cinevora_demo_site_lib)
  target_compile_definitions(startup_bench PRIVATE
    STARTUP_PROBE="$<TARGET_FILE:startup_probe>"
    MINIMAL_WINDOW_PROBE="$<TARGET_FILE:minimal_window_probe>")
  add_dependencies(startup_bench startup_probe minimal_window_probe)
endif()
