# The sequence mode of zkrecog (`--seq`: rescoring a written row). The reading of a
# row is a library of its own for the tests; the JSON side joins zkrecog itself.
add_library(zkrecog_seq STATIC ${CMAKE_CURRENT_LIST_DIR}/zkrecog_seq.cpp)
target_include_directories(zkrecog_seq PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zkrecog_seq PUBLIC words seni engine)
sorenix_warnings(zkrecog_seq)
if(TARGET zkrecog)
  target_sources(zkrecog PRIVATE ${CMAKE_CURRENT_LIST_DIR}/zkrecog_seq_line.cpp)
  target_link_libraries(zkrecog PRIVATE zkrecog_seq)
endif()
