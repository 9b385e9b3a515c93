# zkdic-sheet: contact sheets of reference forms and samples, for looking at them.
find_package(nlohmann_json REQUIRED)
add_executable(zkdic-sheet ${CMAKE_CURRENT_LIST_DIR}/zkdic-sheet.cpp)
target_link_libraries(zkdic-sheet PRIVATE dictools nlohmann_json::nlohmann_json)
sorenix_warnings(zkdic-sheet)

# Its test (tests/unit/tools/test_commands.cpp) runs the built command.
sorenix_test_runs_command(tools_commands_test ZKDIC_SHEET_COMMAND zkdic-sheet)
