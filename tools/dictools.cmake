# dictools: stroke sources (KanjiVG SVG, stroke text), path flattening, pen-data
# tracing, dictionary layout and coverage; shared by zkdic-build and the benchmark.
find_package(pugixml REQUIRED)
add_library(dictools STATIC
  ${CMAKE_CURRENT_LIST_DIR}/svg_path.cpp
  ${CMAKE_CURRENT_LIST_DIR}/kanjivg_reader.cpp
  ${CMAKE_CURRENT_LIST_DIR}/stroke_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/char_map.cpp
  ${CMAKE_CURRENT_LIST_DIR}/reference_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pen_trace.cpp
  ${CMAKE_CURRENT_LIST_DIR}/coverage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dic_assembly.cpp
  ${CMAKE_CURRENT_LIST_DIR}/pattern_maker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/rule_forms.cpp
  ${CMAKE_CURRENT_LIST_DIR}/variant_filter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/checked_strokes.cpp)
target_include_directories(dictools PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(dictools PUBLIC engine pugixml::pugixml)
sorenix_warnings(dictools)
