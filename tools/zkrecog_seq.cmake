# The sequence mode of zkrecog (rescoring a written row) as a library of its own,
# linked into zkrecog when that command is part of the build.
add_library(zkrecog_seq STATIC ${CMAKE_CURRENT_LIST_DIR}/zkrecog_seq.cpp)
target_include_directories(zkrecog_seq PUBLIC ${CMAKE_CURRENT_LIST_DIR})
target_link_libraries(zkrecog_seq PUBLIC seni engine)
sorenix_warnings(zkrecog_seq)
if(TARGET zkrecog)
  target_link_libraries(zkrecog PRIVATE zkrecog_seq)
endif()
