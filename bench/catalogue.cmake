# A whole category click on the Qt toolkit (offscreen) against the in-process demo site: time to
# the final message box against the bare work (ten libcurl GETs and 100 rows put straight into a
# QTreeWidget), the spinner timer's regularity during a slow run, and the peak memory of a run
# against a minimal Qt window. It borrows the catalogue tests' window, so it needs the tests.
if(CINEVORA_GUI AND TARGET cinevora_catalogue_testing)
  add_executable(catalogue_bench ${CMAKE_CURRENT_LIST_DIR}/catalogue_bench.cpp)
  target_link_libraries(catalogue_bench PRIVATE cinevora_catalogue_testing cinevora_toolkit_qt
    cinevora_inet cinevora_skin cinevora_drive cinevora_demo_site_lib Qt6::Widgets
    PkgConfig::CURL)
  target_compile_definitions(catalogue_bench PRIVATE
    SKIN_LIBRARY_BUILT="$<TARGET_FILE:wurmix>"
    SKIN_FILE="${PROJECT_SOURCE_DIR}/resources/Skin.she")
  add_dependencies(catalogue_bench wurmix)
endif()
