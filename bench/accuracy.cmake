# The accuracy benchmark: zkbench-gen (distorted samples), zkbench-score (top-k and
# time per class); bench/accuracy.sh runs them around zkrecog (`make bench`).
find_package(nlohmann_json REQUIRED)
add_library(benchlib STATIC
  ${CMAKE_CURRENT_LIST_DIR}/sample_distort.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bench_forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/bench_score.cpp)
target_include_directories(benchlib PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(benchlib PUBLIC dictools engine nlohmann_json::nlohmann_json)
sorenix_warnings(benchlib)

add_executable(zkbench-gen ${CMAKE_CURRENT_LIST_DIR}/zkbench-gen.cpp)
target_link_libraries(zkbench-gen PRIVATE benchlib)
target_compile_definitions(zkbench-gen PRIVATE SORENIX_KANJIVG_DIR="${KANJIVG_DIR}"
                                               SORENIX_STROKES_DIR="${CMAKE_SOURCE_DIR}/data/strokes")
sorenix_warnings(zkbench-gen)

add_executable(zkbench-score ${CMAKE_CURRENT_LIST_DIR}/zkbench-score.cpp)
target_link_libraries(zkbench-score PRIVATE benchlib)
sorenix_warnings(zkbench-score)

add_executable(zkbench-mem ${CMAKE_CURRENT_LIST_DIR}/zkbench-mem.cpp)
target_link_libraries(zkbench-mem PRIVATE engine)
sorenix_warnings(zkbench-mem)

add_executable(zkbench-size ${CMAKE_CURRENT_LIST_DIR}/zkbench-size.cpp)
target_link_libraries(zkbench-size PRIVATE engine nlohmann_json::nlohmann_json)
sorenix_warnings(zkbench-size)
