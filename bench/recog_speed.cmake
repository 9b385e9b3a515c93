# recog_speed: median and 95th-percentile time of ZkCRecognize per character
# (`make bench-speed`).
add_executable(recog_speed ${CMAKE_CURRENT_LIST_DIR}/recog_speed.cpp)
target_link_libraries(recog_speed PRIVATE engine)
sorenix_warnings(recog_speed)
