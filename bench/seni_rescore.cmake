# The transition rescoring benchmark: zkbench-seq writes sentences as rows of
# distorted handwriting, zkrecog --seq reads them with and without rescoring, and
# zkbench-seqscore compares (bench/seni_rescore.sh, `make bench-seni`).
if(TARGET benchlib)
  add_executable(zkbench-seq ${CMAKE_CURRENT_LIST_DIR}/zkbench-seq.cpp)
  target_link_libraries(zkbench-seq PRIVATE benchlib)
  target_compile_definitions(zkbench-seq PRIVATE SORENIX_KANJIVG_DIR="${KANJIVG_DIR}"
                                                 SORENIX_STROKES_DIR="${CMAKE_SOURCE_DIR}/data/strokes")
  sorenix_warnings(zkbench-seq)

  add_executable(zkbench-seqscore ${CMAKE_CURRENT_LIST_DIR}/zkbench-seqscore.cpp)
  target_link_libraries(zkbench-seqscore PRIVATE engine nlohmann_json::nlohmann_json)
  sorenix_warnings(zkbench-seqscore)
endif()

if(TARGET benchlib)
  add_executable(zkbench-wordtune ${CMAKE_CURRENT_LIST_DIR}/zkbench-wordtune.cpp)
  target_link_libraries(zkbench-wordtune PRIVATE zkrecog_seq nlohmann_json::nlohmann_json)
  sorenix_warnings(zkbench-wordtune)
endif()
