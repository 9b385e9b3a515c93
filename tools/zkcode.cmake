add_executable(zkcode ${CMAKE_CURRENT_LIST_DIR}/zkcode.cpp)
target_link_libraries(zkcode PRIVATE engine)
sorenix_warnings(zkcode)
