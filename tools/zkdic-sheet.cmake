# zkdic-sheet: contact sheets of reference forms and samples, for looking at them.
find_package(nlohmann_json REQUIRED)
add_executable(zkdic-sheet ${CMAKE_CURRENT_LIST_DIR}/zkdic-sheet.cpp)
target_link_libraries(zkdic-sheet PRIVATE dictools nlohmann_json::nlohmann_json)
sorenix_warnings(zkdic-sheet)
