# The free-writing benchmark: sentences written across the screen go through the
# variable frame, the segmentation, recognition and rescoring of the pad's cycle
# (bench/free_rows.sh, `make bench-rows`). It needs the pad's segmentation library.
if(TARGET benchlib AND SORENIX_GUI)
  add_executable(zkbench-rows ${CMAKE_CURRENT_LIST_DIR}/zkbench-rows.cpp)
  target_link_libraries(zkbench-rows PRIVATE benchlib pad_segment zkrecog_seq)
  target_compile_definitions(zkbench-rows PRIVATE SORENIX_KANJIVG_DIR="${KANJIVG_DIR}"
                                                  SORENIX_STROKES_DIR="${CMAKE_SOURCE_DIR}/data/strokes")
  sorenix_warnings(zkbench-rows)
endif()
