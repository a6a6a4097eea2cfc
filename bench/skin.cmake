# What a category click's re-tint costs on the UI thread: the skin library re-skinning a window
# of MainWindow's size (Qt, offscreen), and the colour work alone.
if(benchmark_FOUND AND CINEVORA_GUI)
  add_executable(skin_bench ${CMAKE_CURRENT_LIST_DIR}/skin_bench.cpp)
  target_link_libraries(skin_bench PRIVATE cinevora_skin_format Qt6::Widgets benchmark::benchmark
                        ${CMAKE_DL_LIBS})
  target_include_directories(skin_bench PRIVATE ${PROJECT_SOURCE_DIR})
  target_compile_definitions(skin_bench PRIVATE
    SKIN_LIBRARY_BUILT="$<TARGET_FILE:wurmix>"
    SKIN_FILE="${PROJECT_SOURCE_DIR}/resources/Skin.she")
  add_dependencies(skin_bench wurmix)
endif()
