# zkdic-build: the system pattern dictionary builder (run by data/crecs.cmake).
add_executable(zkdic-build ${CMAKE_CURRENT_LIST_DIR}/zkdic-build.cpp)
target_link_libraries(zkdic-build PRIVATE dictools engine)
sorenix_warnings(zkdic-build)
